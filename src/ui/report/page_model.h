#pragma once
// The laid-out pages of a report: positioned texts and rules in millimetres from the paper's
// top-left corner. Painting, PDF and printing all read this; tests inspect it directly.
#include <QLineF>
#include <QMarginsF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <vector>

namespace ui::report {

// Reports use WenQuanYi: with Noto CJK the PDF text layer gets look-alike radicals (小 -> ⼩).
inline constexpr const char* kReportFontFamily = "WenQuanYi Zen Hei";

enum class Align { Left, Center, Right };
enum class Orientation { Portrait, Landscape };

struct Font {
    double points = 10.0;
    bool bold = false;
};

// Edges of a cell that carry a rule; or'ed together.
enum Frame : unsigned { NoFrame = 0, FrameLeft = 1, FrameTop = 2, FrameRight = 4, FrameBottom = 8, FrameAll = 15 };

struct PageSetup {
    Orientation orientation = Orientation::Portrait;
    QMarginsF margins{10, 10, 10, 10};  // mm

    QSizeF paper_size() const;  // A4, turned for landscape
    QRectF printable() const;   // paper minus margins
};

struct TextItem {
    QRectF rect;
    QString text;
    Font font;
    Align align = Align::Left;
};

struct LineItem {
    QLineF line;
    double width = 0.2;  // mm
};

struct Page {
    std::vector<TextItem> texts;
    std::vector<LineItem> lines;

    // The texts in the order they were placed.
    QStringList text_list() const;
    bool contains(const QString& text) const;
    int count(const QString& text) const;
};

struct Document {
    QString title;
    PageSetup setup;
    std::vector<Page> pages;

    int page_count() const { return int(pages.size()); }
};

}  // namespace ui::report
