// The grid of a 100,000-row list: opening it and painting the first screen, moving to the last
// row, and locating a row near the end, in list order by number (primary key) and by name
// (GBK order, sorted per query). Prints min/median/max in milliseconds.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <QApplication>
#include <QTableView>

#include "store/catalogue.h"
#include "store/sqlite.h"
#include "ui/grid_model.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRows = 100000;
constexpr int kRuns = 7;

void fill(store::Database& db) {
    db.exec(store::create_table_sql(store::table("jbxx_xqxxk"), "jbxx_xqxxk"));
    store::Transaction tx(db);
    auto ins = db.prepare("INSERT INTO jbxx_xqxxk (xqbh, xqxh, xqmc, xqdz, dwdjh) VALUES (?1, ?2, ?3, ?4, '000001')");
    static const char* names[] = {"阳光", "幸福", "和平", "长安", "东方", "锦绣", "翠湖", "金色"};
    for (int i = 1; i <= kRows; ++i) {
        ins.reset();
        ins.bind(1, i).bind(2, kRows - i);
        ins.bind(3, std::string(names[i % 8]) + "小区" + std::to_string(i));
        ins.bind(4, "城关镇建设路" + std::to_string(i % 500) + "号").run();
    }
    tx.commit();
}

double ms(const std::function<void()>& f) {
    auto t0 = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

void report(const char* what, std::vector<double> t) {
    std::sort(t.begin(), t.end());
    std::printf("%-44s %9.2f %9.2f %9.2f\n", what, t.front(), t[t.size() / 2], t.back());
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    fs::path dir = fs::temp_directory_path() / "palvor-grid-bench";
    fs::remove_all(dir);
    fs::create_directories(dir);
    store::Database db((dir / "palvor.sqlite3").string());
    double fill_ms = ms([&] { fill(db); });
    std::printf("%d communities written in %.0f ms\n", kRows, fill_ms);
    std::printf("%-44s %9s %9s %9s   (ms, %d runs)\n", "", "min", "median", "max", kRuns);

    for (const char* order : {"xqbh", "xqmc collate GBK"}) {
        std::string sql = std::string("select * from jbxx_xqxxk order by ") + order;
        std::vector<double> open, last, locate_num, locate_name;
        for (int run = 0; run < kRuns; ++run) {
            QTableView view;
            view.resize(1000, 700);
            ui::GridModel model(db);
            model.set_caption_tables({"jbxx_xqxxk"});
            model.set_hidden({"xqxh"});
            model.set_key_column("xqbh");
            model.attach(&view);
            open.push_back(ms([&] {
                model.open(sql);
                view.show();
                view.grab();  // paints the first screen
            }));
            last.push_back(ms([&] {
                model.last();
                view.grab();
            }));
            model.first();
            locate_num.push_back(ms([&] {
                if (!model.locate("xqbh", std::int64_t(kRows - 10))) std::fprintf(stderr, "locate failed\n");
                view.grab();
            }));
            model.first();
            std::string name = std::string("长安小区") + std::to_string(kRows - 5);
            locate_name.push_back(ms([&] {
                if (!model.locate("xqmc", name)) std::fprintf(stderr, "locate failed\n");
                view.grab();
            }));
            if (run == 0)
                std::printf("order by %s: %d rows, %d rows cached after one pass\n", order, model.row_count(),
                            model.cached_rows());
        }
        std::printf("order by %s\n", order);
        report("  open + first screen", open);
        report("  last row + screen", last);
        report("  locate number near the end + screen", locate_num);
        report("  locate name near the end + screen", locate_name);
    }
    fs::remove_all(dir);
    return 0;
}
