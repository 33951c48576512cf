// Receiving the centre's community file of 20,000 rows into a registry of 20,000 communities:
// half of the file's names are known (corrected), half are new (added).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

#include <QGuiApplication>

#include "centre_download.h"
#include "core/app_state.h"
#include "core/installation.h"
#include "core/startup.h"
#include "exchange/download_reception.h"
#include "store/dbf_reader.h"
#include "store/sqlite.h"
#include "ui/progress.h"
#include "ui/scripted_prompter.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    const int n = 20000;
    const fs::path dir = fs::temp_directory_path() / "palvor-reception-bench";
    fs::remove_all(dir);
    core::install_data_root(dir.string());
    core::AppState state;
    state.set_directories(dir.string());
    ui::ScriptedPrompter prompter;
    store::Database db;
    if (!core::prepare_tables(state, db, prompter) || !core::run_startup_sequence(state, db, prompter)) return 1;
    core::load_unit_identity(state, db);

    tools::CentreDownload centre({"000001", "滨江市阳光物业管理有限公司", "0101"},
                                 {.communities = n, .buildings_per_community = 0, .unit_accounts = 0});
    const fs::path file = dir / "000001_xqxx.dbf";
    centre.write_file(tools::DownloadKind::Xqxx, file);

    // The registry: the first half of the file's communities and as many others.
    {
        store::DbfReader names(file.string());
        store::Transaction tx(db);
        auto insert = db.prepare("INSERT INTO jbxx_xqxxk (xqbh, xqmc, xqdz, dwdjh) VALUES (?1, ?2, '', '000001')");
        for (int i = 0; i < n; ++i) {
            insert.reset();
            insert.bind(1, i + 1).bind(2, i < n / 2 ? names.row(i).text("xqmc") : "旧小区" + std::to_string(i)).run();
        }
        tx.commit();
    }
    const fs::path saved = dir / "registry.sqlite3";
    db.exec("PRAGMA wal_checkpoint(TRUNCATE)");

    ui::NoProgress progress;
    std::vector<double> times;
    for (int run = 0; run < 7; ++run) {
        db.exec("DELETE FROM jbxx_xqxxk WHERE xqbh > " + std::to_string(n));
        prompter.answer(ui::Button::Yes);
        exchange::DownloadReception reception(state, db, prompter, progress);
        auto t0 = std::chrono::steady_clock::now();
        bool ok = reception.receive(exchange::DownloadKind::Xqxx, file.string());
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
        if (!ok) {
            std::fprintf(stderr, "refused: %s\n", prompter.last_text().c_str());
            return 1;
        }
    }
    std::sort(times.begin(), times.end());
    std::printf("community file of %d rows into %d communities (%s)\n", n, n, prompter.last_text().c_str());
    std::printf("reception ms: min %.1f  median %.1f  max %.1f  (%zu runs)\n", times.front(), times[times.size() / 2],
                times.back(), times.size());
    fs::remove_all(dir);
    return 0;
}
