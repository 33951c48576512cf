#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTableView>

#include "store/catalogue.h"
#include "store/sqlite.h"
#include "support/temp_dir.h"
#include "ui/grid_model.h"

namespace {

class GridModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        db_.exec(store::create_table_sql(store::table("jbxx_xqxxk"), "jbxx_xqxxk"));
        add_rows(1, 5);
    }
    // Communities first..last: number i, order 100 - i, name "小区i".
    void add_rows(int first, int last) {
        store::Transaction tx(db_);
        auto ins = db_.prepare("INSERT INTO jbxx_xqxxk (xqbh, xqxh, xqmc, xqdz, dwdjh) VALUES (?1, ?2, ?3, ?4, '000001')");
        for (int i = first; i <= last; ++i) {
            ins.reset();
            ins.bind(1, i).bind(2, 100000 - i).bind(3, "小区" + std::to_string(i)).bind(4, "地址" + std::to_string(i)).run();
        }
        tx.commit();
    }
    QString header(ui::GridModel& m, int col) { return m.headerData(col, Qt::Horizontal).toString(); }
    QString cell(ui::GridModel& m, int row, int col) { return m.data(m.index(row, col)).toString(); }

    testing_support::TempDir dir_;
    store::Database db_{(dir_ / "t.sqlite3").string()};
};

TEST_F(GridModelTest, CaptionsFromCatalogueWithHiddenAndOverriddenColumns) {
    ui::GridModel m(db_);
    m.set_caption_tables({"jbxx_xqxxk"});
    m.set_hidden({"xqxh"});
    m.open("select * from jbxx_xqxxk order by xqbh");
    // dwdjh has no caption in the catalogue, xqxh is hidden by the window.
    ASSERT_EQ(m.columnCount(), 3);
    EXPECT_EQ(header(m, 0), "小区编号");
    EXPECT_EQ(header(m, 1), "小区名称");
    EXPECT_EQ(header(m, 2), "小区地址");
    EXPECT_EQ(m.view_column("xqxh"), -1);
    EXPECT_EQ(m.text(0, "xqxh"), "99999");  // hidden, still readable
    EXPECT_EQ(m.rowCount(), 5);
    EXPECT_EQ(cell(m, 4, 1), "小区5");
    EXPECT_EQ(m.data(m.index(0, 0), Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask,
              Qt::AlignRight);

    m.set_caption("xqmc", "名称");
    EXPECT_EQ(header(m, 1), "名称");
}

TEST_F(GridModelTest, MoneyColumnsShowTwoDecimalsAndParametersAreBound) {
    ui::GridModel m(db_);
    m.set_money({"je"});
    m.set_caption("je", "金额");
    m.open("select xqbh, xqmc, xqbh * 1.005 as je, xqbh / 2.0 as mj from jbxx_xqxxk where xqmc <> ?1 order by xqbh",
           {std::string("小区1")});
    ASSERT_EQ(m.rowCount(), 4);
    EXPECT_EQ(header(m, 2), "金额");
    EXPECT_EQ(header(m, 3), "mj");         // not in the catalogue: its own name
    EXPECT_EQ(cell(m, 0, 2), "2.01");      // 2.01 exactly, rounded half away from zero
    EXPECT_EQ(cell(m, 0, 3), "1");         // general format for other numbers
    EXPECT_EQ(cell(m, 1, 3), "1.5");
    // A name with a quote is a value, not SQL.
    m.open("select * from jbxx_xqxxk where xqmc = ?1", {std::string("x' or '1'='1")});
    EXPECT_EQ(m.rowCount(), 0);
    EXPECT_EQ(m.current_row(), -1);
}

TEST_F(GridModelTest, LocateHitMovesAndMissStays) {
    ui::GridModel m(db_);
    m.open("select * from jbxx_xqxxk order by xqxh");  // 5, 4, 3, 2, 1
    QSignalSpy moved(&m, &ui::GridModel::current_row_changed);
    EXPECT_EQ(m.current_row(), 0);
    EXPECT_TRUE(m.locate("xqbh", std::int64_t(2)));
    EXPECT_EQ(m.current_row(), 3);
    EXPECT_EQ(m.current_text("xqmc"), "小区2");
    EXPECT_FALSE(m.locate("xqbh", std::int64_t(9)));
    EXPECT_FALSE(m.locate("xqmc", std::string("小区")));  // exact match only
    EXPECT_FALSE(m.locate("xqmc", std::string("小区2 ")));
    EXPECT_EQ(m.current_row(), 3);
    EXPECT_TRUE(m.locate("XQMC", std::string("小区4")));
    EXPECT_EQ(m.current_row(), 1);
    m.last();
    EXPECT_EQ(m.current_integer("xqbh"), 1);
    m.first();
    EXPECT_EQ(m.current_integer("xqbh"), 5);
    EXPECT_EQ(moved.count(), 4);
}

TEST_F(GridModelTest, BigListFetchesOnlyWhatIsShown) {
    add_rows(6, 3000);
    ui::GridModel m(db_);
    m.open("select * from jbxx_xqxxk order by xqbh");
    EXPECT_EQ(m.rowCount(), 3000);
    EXPECT_LE(m.cached_rows(), ui::GridModel::kBlockRows);
    EXPECT_EQ(cell(m, 255, m.view_column("xqmc")), "小区256");
    EXPECT_EQ(m.cached_rows(), ui::GridModel::kBlockRows);
    EXPECT_EQ(m.text(2999, "xqmc"), "小区3000");
    EXPECT_EQ(m.cached_rows(), ui::GridModel::kBlockRows + 3000 % ui::GridModel::kBlockRows);
    EXPECT_TRUE(m.locate("xqmc", std::string("小区2990")));
    EXPECT_EQ(m.current_row(), 2989);
    EXPECT_LT(m.cached_rows(), 3000);
}

// Many rows share a sort key: the row found must be the row shown at that position.
TEST_F(GridModelTest, LocateLandsOnTheRowItFoundAmongEqualSortKeys) {
    add_rows(6, 3000);
    db_.exec("UPDATE jbxx_xqxxk SET xqmc = char(19968 + (xqbh * 7919) % 3)");
    ui::GridModel m(db_);
    m.open("select * from jbxx_xqxxk order by xqmc");
    for (std::int64_t key : {7, 1500, 2999}) {
        ASSERT_TRUE(m.locate("xqbh", key));
        EXPECT_EQ(m.current_integer("xqbh"), key);
    }
}

TEST_F(GridModelTest, RefreshKeepsCurrentKeyOrPosition) {
    ui::GridModel m(db_);
    m.set_key_column("xqbh");
    m.open("select * from jbxx_xqxxk order by xqbh");
    ASSERT_TRUE(m.locate("xqbh", std::int64_t(3)));
    db_.exec("DELETE FROM jbxx_xqxxk WHERE xqbh = 1");
    m.refresh();
    EXPECT_EQ(m.rowCount(), 4);
    EXPECT_EQ(m.current_integer("xqbh"), 3);
    EXPECT_EQ(m.current_row(), 1);
    // The current row is gone: stay at the same place in the list.
    db_.exec("DELETE FROM jbxx_xqxxk WHERE xqbh = 3");
    m.refresh();
    EXPECT_EQ(m.current_row(), 1);
    EXPECT_EQ(m.current_integer("xqbh"), 4);
    db_.exec("DELETE FROM jbxx_xqxxk");
    m.refresh();
    EXPECT_EQ(m.current_row(), -1);
    EXPECT_EQ(m.current_text("xqmc"), "");
}

TEST_F(GridModelTest, ViewSelectionAndCurrentRowFollowEachOther) {
    ui::GridModel m(db_);
    QTableView view;
    m.attach(&view);
    m.open("select * from jbxx_xqxxk order by xqbh");
    view.show();
    EXPECT_EQ(view.currentIndex().row(), 0);
    m.locate("xqbh", std::int64_t(4));
    EXPECT_EQ(view.currentIndex().row(), 3);
    view.selectRow(1);
    EXPECT_EQ(m.current_row(), 1);
    EXPECT_EQ(m.current_integer("xqbh"), 2);
    m.refresh();
    EXPECT_EQ(view.currentIndex().row(), 1);
}

}  // namespace
