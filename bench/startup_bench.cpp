// Start-up cost with every layout already current: it must not grow with the amount of data.
// Prints the median and spread of the creation steps plus the start-up sequence for a small and a
// large unit.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <QGuiApplication>

#include "core/app_state.h"
#include "core/installation.h"
#include "core/startup.h"
#include "large_unit.h"
#include "store/sqlite.h"
#include "ui/scripted_prompter.h"

namespace fs = std::filesystem;

namespace {

double time_startup(const std::string& dir) {
    core::AppState state;
    state.set_directories(dir);
    ui::ScriptedPrompter p;
    store::Database db;
    auto t0 = std::chrono::steady_clock::now();
    bool ok = core::prepare_tables(state, db, p) && core::run_startup_sequence(state, db, p);
    auto t1 = std::chrono::steady_clock::now();
    if (!ok) std::fprintf(stderr, "start-up failed: %s\n", p.last_text().c_str());
    return std::chrono::duration<double, std::milli>(t1 - t0).count();
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    std::string base = (fs::temp_directory_path() / "palvor-startup-bench").string();
    const int runs = 15;
    std::printf("%-12s %10s %10s %10s   (ms, %d runs)\n", "households", "min", "median", "max", runs);
    for (int households : {100, 100000}) {
        std::string dir = base + "-" + std::to_string(households);
        fs::remove_all(dir);
        core::install_data_root(dir);
        time_startup(dir);  // first start creates the tables
        {
            store::Database db(dir + "/palvor_tables/palvor.sqlite3");
            tools::LargeUnitSize size;
            size.households = households;
            tools::fill_large_unit(db, size);
        }
        std::vector<double> t;
        for (int i = 0; i < runs; ++i) t.push_back(time_startup(dir));
        std::sort(t.begin(), t.end());
        std::printf("%-12d %10.2f %10.2f %10.2f\n", households, t.front(), t[t.size() / 2], t.back());
        fs::remove_all(dir);
    }
    return 0;
}
