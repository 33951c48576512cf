#include <gtest/gtest.h>

#include <vector>

#include "store/catalogue.h"
#include "store/sqlite.h"
#include "support/temp_dir.h"
#include "ui/report/paged_list_report.h"

using namespace ui::report;

namespace {

// A list with every closing band: n rows of "行i" and amount i + 0.004.
PagedListReport full_list(int n, int r) {
    std::vector<Record> rows;
    double total = 0;
    for (int i = 1; i <= n; ++i) {
        Record rec;
        rec.set("mc", "行" + std::to_string(i));
        rec.set("je", i + 0.004);
        total += i + 0.004;
        rows.push_back(rec);
    }
    PagedListReport report;
    report.set_title("测  试  表");
    report.set_header_lines({"单位登记号：000001", "单位名称：测试单位"});
    auto amount = ListColumn::money_of("金额", 30, "je");
    amount.grand_total = total;
    report.set_columns({ListColumn::text_of("名称", 40, "mc"), amount});
    report.set_rows_per_page(r);
    report.set_record_count(n);
    report.set_subtotal("数目小计：");
    report.set_grand_total("数目合计：");
    report.set_footer(QStringList{"打印日期：2024-05-06"});
    report.set_rows(rows_from(std::move(rows)));
    return report;
}

int index_of(const Page& page, const QString& text) { return int(page.text_list().indexOf(text)); }

}  // namespace

TEST(PagedListReport, OneFullPageCarriesAllClosingBands) {
    auto report = full_list(5, 5);
    auto doc = report.build();
    ASSERT_EQ(doc->page_count(), 1);
    const Page& p = doc->pages[0];
    EXPECT_TRUE(p.contains("共1页"));
    EXPECT_TRUE(p.contains("第1页"));
    EXPECT_TRUE(p.contains("序号"));
    EXPECT_EQ(p.count("本页小计"), 1);
    EXPECT_TRUE(p.contains("数目小计：5"));
    EXPECT_EQ(p.count("合计（首页填写）"), 1);
    EXPECT_TRUE(p.contains("数目合计：5"));
    EXPECT_EQ(p.count("打印日期：2024-05-06"), 1);
    // 1.004 + ... + 5.004 = 15.02; subtotal and grand total both show it.
    EXPECT_EQ(p.count("15.02"), 2);
    // Bands in order: last row, subtotal, grand total, footer.
    EXPECT_LT(index_of(p, "行5"), index_of(p, "本页小计"));
    EXPECT_LT(index_of(p, "本页小计"), index_of(p, "合计（首页填写）"));
    EXPECT_LT(index_of(p, "合计（首页填写）"), index_of(p, "打印日期：2024-05-06"));
}

TEST(PagedListReport, OneRowMoreStartsSecondPageWithRunningNumber) {
    auto report = full_list(6, 5);
    auto doc = report.build();
    ASSERT_EQ(doc->page_count(), 2);
    const Page& p1 = doc->pages[0];
    const Page& p2 = doc->pages[1];
    EXPECT_TRUE(p1.contains("共2页"));
    EXPECT_TRUE(p2.contains("共2页"));
    EXPECT_TRUE(p2.contains("第2页"));
    EXPECT_FALSE(p2.contains("第1页"));
    EXPECT_TRUE(p1.contains("数目小计：5"));
    EXPECT_TRUE(p1.contains("合计（首页填写）"));
    EXPECT_TRUE(p1.contains("数目合计：6"));
    EXPECT_TRUE(p1.contains("打印日期：2024-05-06"));
    // Page 2: row 6 numbered 6, its own subtotal, the footer, no grand total.
    EXPECT_TRUE(p2.contains("行6"));
    EXPECT_TRUE(p2.contains("6"));
    EXPECT_FALSE(p2.contains("1"));
    EXPECT_TRUE(p2.contains("数目小计：1"));
    EXPECT_TRUE(p2.contains("6.00"));  // page sum of 6.004
    EXPECT_FALSE(p2.contains("合计（首页填写）"));
    EXPECT_TRUE(p2.contains("打印日期：2024-05-06"));
    EXPECT_TRUE(p1.contains("21.02"));  // grand total of all six rows on page 1
}

TEST(PagedListReport, NoRecordsNoPage) {
    auto report = full_list(0, 5);
    EXPECT_EQ(report.page_count(), 0);
    EXPECT_EQ(report.build()->page_count(), 0);
}

TEST(PagedListReport, GrandTotalOnlyOnFirstPageAndSubtotalOnEvery) {
    auto report = full_list(12, 5);
    auto doc = report.build();
    ASSERT_EQ(doc->page_count(), 3);
    std::vector<int> grand, sub, footer;
    for (const Page& p : doc->pages) {
        grand.push_back(p.count("合计（首页填写）"));
        sub.push_back(p.count("本页小计"));
        footer.push_back(p.count("打印日期：2024-05-06"));
    }
    EXPECT_EQ(grand, (std::vector<int>{1, 0, 0}));
    EXPECT_EQ(sub, (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(footer, (std::vector<int>{1, 1, 1}));
    EXPECT_TRUE(doc->pages[2].contains("数目小计：2"));
    EXPECT_TRUE(doc->pages[2].contains("11"));
    EXPECT_TRUE(doc->pages[2].contains("12"));
    // Page sums restart per page: rows 6..10 give 40.02.
    EXPECT_TRUE(doc->pages[1].contains("40.02"));
}

// The community list: 32 rows a page, only a footer, over the list query itself.
TEST(PagedListReport, CommunityListOf33RowsHasTwoPagesWithFooterAfterRows32And33) {
    testing_support::TempDir dir;
    store::Database db((dir / "t.sqlite3").string());
    db.exec(store::create_table_sql(store::table("jbxx_xqxxk"), "jbxx_xqxxk"));
    auto ins = db.prepare("INSERT INTO jbxx_xqxxk (xqbh, xqmc, xqdz, dwdjh) VALUES (?1, ?2, ?3, '000001')");
    for (int i = 1; i <= 33; ++i) {
        ins.reset();
        ins.bind(1, i).bind(2, "小区" + std::to_string(i)).bind(3, "地址" + std::to_string(i)).run();
    }
    PagedListReport report;
    report.set_title("小  区  信  息  表");
    report.set_header_lines({"单位登记号：000001", "单位名称：测试单位"});
    report.set_columns({ListColumn::text_of("小区编号", 20, "xqbh", Align::Right),
                        ListColumn::text_of("小区名称", 60, "xqmc"), ListColumn::text_of("小区地址", 80, "xqdz")});
    report.set_rows_per_page(32);
    report.set_footer(QStringList{"打印日期：2024-05-06", "总记录数：33"});
    report.set_query(db, "select * from jbxx_xqxxk order by xqbh");
    EXPECT_EQ(report.record_count(), 33);

    auto doc = report.build();
    ASSERT_EQ(doc->page_count(), 2);
    const Page& p1 = doc->pages[0];
    const Page& p2 = doc->pages[1];
    for (const Page* p : {&p1, &p2}) {
        EXPECT_TRUE(p->contains("小  区  信  息  表"));
        EXPECT_TRUE(p->contains("共2页"));
        EXPECT_TRUE(p->contains("单位名称：测试单位"));
        EXPECT_EQ(p->count("总记录数：33"), 1);
        EXPECT_FALSE(p->contains("本页小计"));
        EXPECT_FALSE(p->contains("合计（首页填写）"));
    }
    EXPECT_TRUE(p1.contains("第1页"));
    EXPECT_TRUE(p2.contains("第2页"));
    // The footer closes page 1 right after row 32; page 2 holds row 33 numbered 33, then the footer.
    QStringList t1 = p1.text_list();
    EXPECT_EQ(t1.mid(t1.size() - 6), (QStringList{"32", "32", "小区32", "地址32", "打印日期：2024-05-06", "总记录数：33"}));
    QStringList t2 = p2.text_list();
    EXPECT_EQ(t2.mid(t2.size() - 6), (QStringList{"33", "33", "小区33", "地址33", "打印日期：2024-05-06", "总记录数：33"}));
    EXPECT_FALSE(p2.contains("小区1"));
}

TEST(PagedListReport, CellsFormatMoneyAndBlankZeroAndConditionalAmounts) {
    std::vector<Record> rows;
    for (auto [lx, grbje] : std::vector<std::pair<const char*, double>>{{"到户", 10.004}, {"到幢", 99}, {"到户", 20.004}}) {
        Record r;
        r.set("zhlx", lx);
        r.set("grbje", grbje);
        r.set("ye", 0.0);
        rows.push_back(r);
    }
    ListColumn personal;
    personal.caption = "个人本金额";
    personal.align = Align::Right;
    auto is_household = [](const Record& r) { return r.text("zhlx") == "到户"; };
    personal.text = [=](const Record& r) { return is_household(r) ? money_text(r.number("grbje")) : QString(); };
    personal.amount = [=](const Record& r) { return is_household(r) ? r.number("grbje") : 0.0; };
    PagedListReport report;
    report.set_title("账  户  信  息  表");
    report.set_columns({ListColumn::text_of("类型", 20, "zhlx"), ListColumn::money_of("账户余额", 30, "ye", true), personal});
    report.set_rows_per_page(18);
    report.set_record_count(3);
    report.set_subtotal("账户数目小计：");
    report.set_rows(rows_from(std::move(rows)));
    auto doc = report.build();
    ASSERT_EQ(doc->page_count(), 1);
    const Page& p = doc->pages[0];
    EXPECT_TRUE(p.contains("10.00"));
    EXPECT_TRUE(p.contains("20.00"));
    EXPECT_FALSE(p.contains("99.00"));        // not shown, not summed
    EXPECT_TRUE(p.contains("30.01"));         // 10.004 + 20.004, rounded once
    EXPECT_TRUE(p.contains("0.00"));          // the balance subtotal
    EXPECT_EQ(p.count("0.00"), 1);            // zero balances stay blank in the rows
    EXPECT_TRUE(p.contains("账户数目小计：3"));
}
