// The community list of a very large registry (100,000 rows, 32 a page): laying it out and
// writing the PDF. Prints milliseconds and the PDF size.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include <QApplication>

#include "core/app_state.h"
#include "registry/community_report.h"
#include "store/catalogue.h"
#include "store/sqlite.h"
#include "ui/report/report_output.h"

namespace fs = std::filesystem;
using namespace ui::report;

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
    fs::path dir = fs::temp_directory_path() / "palvor-list-report-bench";
    fs::remove_all(dir);
    fs::create_directories(dir);
    store::Database db((dir / "palvor.sqlite3").string());
    db.exec(store::create_table_sql(store::table("jbxx_xqxxk"), "jbxx_xqxxk"));
    {
        store::Transaction tx(db);
        auto ins = db.prepare("INSERT INTO jbxx_xqxxk (xqbh, xqmc, xqdz, dwdjh) VALUES (?1, ?2, ?3, '000001')");
        for (int i = 1; i <= rows; ++i) {
            ins.reset();
            ins.bind(1, i).bind(2, "幸福小区" + std::to_string(i)).bind(3, "建设路" + std::to_string(i) + "号").run();
        }
        tx.commit();
    }
    core::AppState state;
    state.unit_dwdjh = "000001";
    state.unit_dwmc = "滨江市阳光物业管理有限公司";
    auto report = registry::make_community_report(db, state, registry::CommunitySort::ByNumber);

    auto t0 = std::chrono::steady_clock::now();
    auto doc = report->build();
    auto t1 = std::chrono::steady_clock::now();
    fs::path pdf = dir / "list.pdf";
    write_pdf(*doc, QString::fromStdString(pdf.string()));
    auto t2 = std::chrono::steady_clock::now();
    auto msec = [](auto a, auto b) { return std::chrono::duration<double, std::milli>(b - a).count(); };
    std::printf("%d rows, %d pages: layout %.0f ms, PDF %.0f ms (%.1f MB)\n", rows, doc->page_count(), msec(t0, t1),
                msec(t1, t2), double(fs::file_size(pdf)) / 1e6);
    fs::remove_all(dir);
    return 0;
}
