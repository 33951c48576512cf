#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSpinBox>

#include "store/errors.h"
#include "support/temp_dir.h"
#include "ui/report/page_painter.h"
#include "ui/report/paged_list_report.h"
#include "ui/report/report_output.h"
#include "ui/report/report_preview_dialog.h"

using namespace ui::report;

namespace {

// 25 communities at 10 rows a page: three pages.
std::shared_ptr<const Document> three_page_report() {
    std::vector<Record> rows;
    for (int i = 1; i <= 25; ++i) {
        Record r;
        r.set("xqbh", i);
        r.set("xqmc", "幸福花园" + std::to_string(i) + "期");
        r.set("xqdz", "长安街" + std::to_string(i) + "号");
        rows.push_back(r);
    }
    PagedListReport report;
    report.set_title("小  区  信  息  表");
    report.set_header_lines({"单位登记号：000123", "单位名称：维修基金管理处"});
    report.set_columns({ListColumn::text_of("小区编号", 20, "xqbh", Align::Right),
                        ListColumn::text_of("小区名称", 60, "xqmc"), ListColumn::text_of("小区地址", 80, "xqdz")});
    report.set_rows_per_page(10);
    report.set_record_count(25);
    report.set_footer(QStringList{"打印日期：2024-05-06", "总记录数：25"});
    report.set_rows(rows_from(std::move(rows)));
    return report.build();
}

// The text of each page, without blanks and line breaks.
QStringList pdf_pages(const std::string& path) {
    QProcess p;
    p.start("pdftotext", {"-enc", "UTF-8", QString::fromStdString(path), "-"});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
    QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split('\f', Qt::SkipEmptyParts);
    for (QString& page : pages) page.remove(QRegularExpression("\\s"));
    return pages;
}

}  // namespace

// The text layer of the PDF must read back as the same Chinese (a wrong font gives boxes or
// look-alike radicals).
TEST(ReportOutput, PdfOfChineseReportReadsBack) {
    testing_support::TempDir dir;
    std::string path = (dir / "小区信息表.pdf").string();
    auto doc = three_page_report();
    ASSERT_EQ(doc->page_count(), 3);
    write_pdf(*doc, QString::fromStdString(path));
    QStringList pages = pdf_pages(path);
    ASSERT_EQ(pages.size(), 3) << "pdftotext failed";
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(pages[i].startsWith("小区信息表")) << pages[i].toStdString();
        EXPECT_TRUE(pages[i].contains(QString("第%1页").arg(i + 1)));
        EXPECT_TRUE(pages[i].contains("共3页"));
    }
    EXPECT_TRUE(pages[2].contains("幸福花园25期"));
    QString text = pages.join("");
    for (const char* t : {"单位名称：维修基金管理处", "序号", "小区地址",
                          "幸福花园1期", "长安街10号", "幸福花园25期", "打印日期：2024-05-06", "总记录数：25"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(t))) << t;
}

// Printing goes through the same painter; a page range prints only those pages.
TEST(ReportOutput, PrinterGetsTheChosenPageRange) {
    testing_support::TempDir dir;
    std::string path = (dir / "printed.pdf").string();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path));
    print_to(*three_page_report(), printer, 2, 3);
    QStringList pages = pdf_pages(path);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains("第2页"));
    EXPECT_TRUE(pages[1].contains("第3页"));
    EXPECT_TRUE(pages[1].contains("幸福花园25期"));
}

TEST(ReportOutput, PdfIntoMissingFolderFailsWithMessageAndLeavesNothing) {
    testing_support::TempDir dir;
    auto doc = three_page_report();
    std::string path = (dir / "无此目录" / "a.pdf").string();
    EXPECT_THROW(write_pdf(*doc, QString::fromStdString(path)), palvor::Error);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(ReportOutput, PaintingPutsInkOnThePage) {
    auto doc = three_page_report();
    QImage image(420, 594, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint_page(painter, doc->pages[0], 2.0);
    painter.end();
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) ++dark;
    EXPECT_GT(dark, 2000);
}

TEST(ReportOutput, PreviewNavigatesPages) {
    ReportPreviewDialog preview(three_page_report());
    preview.show();
    auto* count = preview.findChild<QLabel*>("LabelPageCount");
    auto* spin = preview.findChild<QSpinBox*>("SpinPage");
    auto* next = preview.findChild<QAction*>("ActionNextPage");
    auto* last = preview.findChild<QAction*>("ActionLastPage");
    auto* first = preview.findChild<QAction*>("ActionFirstPage");
    ASSERT_TRUE(count && spin && next && last && first);
    EXPECT_EQ(count->text().trimmed(), "共 3 页");
    EXPECT_EQ(preview.current_page(), 1);
    EXPECT_FALSE(first->isEnabled());
    next->trigger();
    EXPECT_EQ(preview.current_page(), 2);
    EXPECT_EQ(spin->value(), 2);
    last->trigger();
    EXPECT_EQ(preview.current_page(), 3);
    EXPECT_FALSE(next->isEnabled());
    spin->setValue(1);
    EXPECT_EQ(preview.current_page(), 1);
    EXPECT_GT(preview.zoom(), 0.1);
    EXPECT_FALSE(preview.grab().isNull());
}
