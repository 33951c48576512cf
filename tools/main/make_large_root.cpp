// Creates a data directory holding a large unit, for trying the program and its lists at scale:
//   make_large_root DIR [--households 100000]
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/app_state.h"
#include "core/installation.h"
#include "core/startup.h"
#include "large_unit.h"
#include "store/sqlite.h"
#include "ui/scripted_prompter.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "用法: make_large_root 目录 [--households 100000]\n");
        return 2;
    }
    tools::LargeUnitSize size;
    for (int i = 2; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--households") == 0) size.households = std::stoi(argv[++i]);
    core::install_data_root(argv[1]);
    core::AppState state;
    state.set_directories(argv[1]);
    ui::ScriptedPrompter prompter;
    store::Database db;
    if (!core::prepare_tables(state, db, prompter) || !core::run_startup_sequence(state, db, prompter)) {
        std::fprintf(stderr, "%s\n", prompter.last_text().c_str());
        return 1;
    }
    if (db.scalar_int("SELECT count(*) FROM jbxx_hxxk") > 0) {
        std::fprintf(stderr, "数据目录中已有户信息，未改动。\n");
        return 1;
    }
    tools::fill_large_unit(db, size);
    std::printf("%d 户、%d 个账户、%d 条缴存明细已写入 %s\n", size.households, size.households,
                size.households * size.lines_per_household, argv[1]);
    return 0;
}
