#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/errors.h"
#include "ui/report/report.h"

using namespace ui::report;

namespace {

std::vector<Record> numbers(int n) {
    std::vector<Record> rows;
    for (int i = 1; i <= n; ++i) {
        Record r;
        r.set("n", i);
        rows.push_back(r);
    }
    return rows;
}

}  // namespace

// Hooks run in band order; a child band switched on after a row prints under it; a new page
// requested from a hook starts with the page header.
TEST(ReportEngine, HooksChildBandsAndNewPageFromCode) {
    Report report("T");
    std::vector<std::string> events;
    report.before_report = [&](Report&) { events.push_back("report"); };
    Band& header = report.page_header();
    header.set_height(10);
    header.add_label("PageNo", QRectF(0, 0, 50, 10), {});
    header.before_print = [&](Band& b) { b.set_text("PageNo", QString("P%1").arg(report.page_number())); };
    Band& detail = report.detail();
    detail.set_height(5);
    detail.add_field("N", QRectF(0, 0, 20, 5), "n", {}, Align::Right, FrameAll);
    detail.before_print = [&](Band&) { events.push_back("before " + report.record().text("n")); };
    Band& even = detail.add_child("Even", 5);
    even.add_label("EvenText", QRectF(0, 0, 20, 5), "even");
    even.set_enabled(false);
    detail.after_print = [&](Band&) {
        events.push_back("after " + report.record().text("n"));
        even.set_enabled(report.record().integer("n") % 2 == 0);
    };
    even.after_print = [&](Band&) {
        events.push_back("even");
        if (report.record().integer("n") == 2) report.new_page();
    };
    report.set_rows(rows_from(numbers(3)));

    Document doc = report.run();
    EXPECT_EQ(events, (std::vector<std::string>{"report", "before 1", "after 1", "before 2", "after 2", "even",
                                                "before 3", "after 3"}));
    ASSERT_EQ(doc.page_count(), 2);
    EXPECT_EQ(doc.pages[0].text_list(), (QStringList{"P1", "1", "2", "even"}));
    EXPECT_EQ(doc.pages[1].text_list(), (QStringList{"P2", "3"}));
    // Positions: header at the top margin, rows stacked under it, frames as four rules each.
    EXPECT_DOUBLE_EQ(doc.pages[0].texts[1].rect.top(), 20.0);
    EXPECT_DOUBLE_EQ(doc.pages[0].texts[2].rect.top(), 25.0);
    EXPECT_EQ(doc.pages[1].lines.size(), 4u);
}

TEST(ReportEngine, OverflowBreaksPageAndLandscapeTurnsPaper) {
    Report report;
    report.setup().orientation = Orientation::Landscape;
    report.page_header().set_height(20);
    report.page_header().add_label("H", QRectF(0, 0, 100, 20), "表头");
    report.detail().set_height(10);
    report.detail().add_field("N", QRectF(0, 0, 20, 10), "n");
    report.set_rows(rows_from(numbers(40)));
    Document doc = report.run();
    // 210 - 20 mm of paper minus the 20 mm header leaves room for 17 rows of 10 mm.
    EXPECT_EQ(doc.setup.paper_size(), QSizeF(297, 210));
    ASSERT_EQ(doc.page_count(), 3);
    EXPECT_EQ(doc.pages[0].count("表头"), 1);
    EXPECT_EQ(doc.pages[0].texts.size(), 18u);
    EXPECT_EQ(doc.pages[1].text_list().at(1), "18");
    EXPECT_EQ(doc.pages[2].text_list().last(), "40");
}

TEST(ReportEngine, FormWithoutDataPrintsOnceAndEmptyDataPrintsNothing) {
    Report form;
    form.detail().set_height(50);
    form.detail().add_label("Title", QRectF(0, 0, 100, 10), {});
    form.set_text("Title", "公共维修基金交存书");
    Document one = form.run();
    ASSERT_EQ(one.page_count(), 1);
    EXPECT_EQ(one.pages[0].text_list(), QStringList{"公共维修基金交存书"});

    Report empty;
    empty.page_header().set_height(10);
    empty.detail().set_height(5);
    empty.set_rows(rows_from(std::vector<Record>{}));
    EXPECT_EQ(empty.run().page_count(), 0);
    EXPECT_THROW(empty.set_text("Missing", "x"), palvor::Error);
}
