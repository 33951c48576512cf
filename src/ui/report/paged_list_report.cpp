#include "ui/report/paged_list_report.h"

#include <algorithm>
#include <cmath>

#include "store/errors.h"
#include "store/sqlite.h"
#include "ui/report/messages.h"
#include "ui/report/report.h"
#include "ui/report/report_output.h"

namespace ui::report {

namespace {

QString tr8(const char* text) { return QString::fromUtf8(text); }

constexpr double kTitleHeight = 12;
constexpr double kLineHeight = 6;
constexpr double kHeadingGap = 1;
constexpr double kHeadingHeight = 8;
constexpr double kTotalHeight = 7;
constexpr double kFooterHeight = 8;
constexpr double kMaxRowHeight = 8;
constexpr double kMinRowHeight = 4;

const Font kTitleFont{16, true};
const Font kLineFont{10, false};
const Font kHeadingFont{9.5, true};
const Font kTotalFont{9, false};

}  // namespace

struct PagedListReport::Layout {
    std::vector<double> x;  // left edge of each column (number column first) and the right edge
    double width = 0;
    int line_rows = 1;
    double header_height = 0;
    double row_height = kMaxRowHeight;
    Font row_font{9, false};

    QRectF cells(std::size_t from, std::size_t to, double height) const {
        return QRectF(x[from], 0, x[to] - x[from], height);
    }
};

void PagedListReport::set_footer(const QStringList& texts) {
    doc_.reset();
    footer_.clear();
    for (qsizetype i = 0; i < texts.size(); ++i) {
        Align a = i == 0 ? Align::Left : (i == texts.size() - 1 ? Align::Right : Align::Center);
        footer_.push_back({texts[i], a});
    }
}

void PagedListReport::set_rows(RowSource rows) {
    rows_ = std::move(rows);
    db_ = nullptr;
    doc_.reset();
}

void PagedListReport::set_query(store::Database& db, std::string sql, SqlValues params) {
    db_ = &db;
    sql_ = std::move(sql);
    params_ = std::move(params);
    rows_ = nullptr;
    doc_.reset();
}

long long PagedListReport::record_count() const {
    if (record_count_ < 0 && db_) {
        auto st = db_->prepare("SELECT count(*) FROM (" + sql_ + ")");
        bind_values(st, params_);
        record_count_ = st.step() ? st.integer(0) : 0;
    }
    if (record_count_ < 0) throw palvor::Error(msg::kNoRecordCount);
    return record_count_;
}

int PagedListReport::page_count() const {
    long long n = record_count(), r = std::max(1, rows_per_page_);
    return int(n / r + (n % r > 0 ? 1 : 0));
}

PagedListReport::Layout PagedListReport::layout() const {
    Layout L;
    QRectF area = setup_.printable();
    L.width = area.width();
    double total = number_width_;
    for (const auto& c : columns_) total += c.width;
    double scale = total > 0 ? L.width / total : 1;
    L.x.push_back(0);
    L.x.push_back(number_width_ * scale);
    for (const auto& c : columns_) L.x.push_back(L.x.back() + c.width * scale);
    L.x.back() = L.width;

    L.line_rows = std::max<int>(1, int(header_lines_.size()));
    L.header_height = kTitleHeight + L.line_rows * kLineHeight + kHeadingGap + kHeadingHeight;
    double closing = (subtotal_ ? kTotalHeight : 0) + (grand_ ? kTotalHeight : 0) + (footer_.empty() ? 0 : kFooterHeight);
    double room = area.height() - L.header_height - closing;
    L.row_height = std::clamp(std::floor(room / std::max(1, rows_per_page_) * 10) / 10, kMinRowHeight, kMaxRowHeight);
    L.row_font.points = L.row_height >= 5.5 ? 9 : 8;
    return L;
}

namespace {

// The header: title, the lines under it with the page labels on the right, the column headings.
void build_header(Band& header, const QString& title, const QStringList& lines, const std::vector<QString>& headings,
                  double width, const std::vector<double>& x, int line_rows) {
    header.add_label("QRLabelTitle", QRectF(0, 0, width, kTitleHeight), title, kTitleFont, Align::Center);
    double right = width * 0.25;
    for (int i = 0; i < line_rows; ++i) {
        double top = kTitleHeight + i * kLineHeight;
        if (i < lines.size())
            header.add_label("HeaderLine" + std::to_string(i + 1), QRectF(0, top, width - right, kLineHeight),
                             lines[i], kLineFont);
        if (line_rows == 1) {
            header.add_label("QRLabelPageCount", QRectF(width - right, top, right / 2, kLineHeight), {}, kLineFont,
                             Align::Right);
            header.add_label("QRLabelPageNo", QRectF(width - right / 2, top, right / 2, kLineHeight), {}, kLineFont,
                             Align::Right);
        } else if (i < 2) {
            header.add_label(i == 0 ? "QRLabelPageCount" : "QRLabelPageNo",
                             QRectF(width - right, top, right, kLineHeight), {}, kLineFont, Align::Right);
        }
    }
    double top = kTitleHeight + line_rows * kLineHeight + kHeadingGap;
    for (std::size_t i = 0; i < headings.size(); ++i)
        header.add_label("Heading" + std::to_string(i), QRectF(x[i], top, x[i + 1] - x[i], kHeadingHeight),
                         headings[i], kHeadingFont, Align::Center, FrameAll);
}

// A total row: the label and the count over the columns before the first summed one, then one
// cell per column (the sum where the column is summed). Cells are named prefix + "Count" and
// prefix + "Sum" + column index.
void build_total_row(Band& band, const std::string& prefix, const QString& label, const std::vector<double>& x,
                     const std::vector<ListColumn>& columns) {
    const unsigned cell = FrameLeft | FrameRight | FrameBottom;
    std::size_t first = 1;
    while (first <= columns.size() && !columns[first - 1].summed()) ++first;
    if (first >= 3) {
        band.add_label(prefix + "Label", QRectF(x[0], 0, x[2] - x[0], kTotalHeight), label, kTotalFont,
                       Align::Center, cell);
        band.add_label(prefix + "Count", QRectF(x[2], 0, x[first] - x[2], kTotalHeight), {}, kTotalFont,
                       Align::Left, cell);
    } else {
        double mid = (x[0] + x[first]) / 2;
        band.add_label(prefix + "Label", QRectF(x[0], 0, mid - x[0], kTotalHeight), label, kTotalFont,
                       Align::Center, cell);
        band.add_label(prefix + "Count", QRectF(mid, 0, x[first] - mid, kTotalHeight), {}, kTotalFont,
                       Align::Left, cell);
    }
    for (std::size_t i = first; i <= columns.size(); ++i)
        band.add_label(prefix + "Sum" + std::to_string(i), QRectF(x[i], 0, x[i + 1] - x[i], kTotalHeight), {},
                       kTotalFont, Align::Right, cell);
}

}  // namespace

std::shared_ptr<const Document> PagedListReport::build() {
    if (doc_) return doc_;
    long long n = record_count();
    if (n <= 0 || columns_.empty()) {
        auto empty = std::make_shared<Document>();
        empty->title = title_;
        empty->setup = setup_;
        return doc_ = empty;
    }
    const int r = std::max(1, rows_per_page_);
    const Layout L = layout();
    const int pages = page_count();

    Report report(title_);
    report.setup() = setup_;

    struct State {
        int page = 1;
        int on_page = 0;
        long long printed = 0;
        long long number = 0;
        std::vector<double> sums;
    };
    auto st = std::make_shared<State>();
    auto reset_sums = [st, this] { st->sums.assign(columns_.size(), 0.0); };

    // A. Start of printing.
    report.before_report = [st, reset_sums](Report&) {
        *st = State{};
        reset_sums();
    };

    std::vector<QString> headings{tr8(msg::kNumberCaption)};
    for (const auto& c : columns_) headings.push_back(c.caption);
    Band& header = report.page_header();
    header.set_height(L.header_height);
    build_header(header, title_, header_lines_, headings, L.width, L.x, L.line_rows);
    header.set_text("QRLabelPageCount", tr8(msg::kPageCountText).arg(pages));
    header.before_print = [st](Band& b) { b.set_text("QRLabelPageNo", tr8(msg::kPageNumberText).arg(st->page)); };

    const unsigned cell = FrameLeft | FrameRight | FrameBottom;
    Band& detail = report.detail();
    detail.set_height(L.row_height);
    detail.add_field("QRXH", L.cells(0, 1, L.row_height), [st](const Record&) { return QString::number(st->number); },
                     L.row_font, Align::Center, cell);
    for (std::size_t i = 0; i < columns_.size(); ++i)
        detail.add_field("Column" + std::to_string(i + 1), L.cells(i + 1, i + 2, L.row_height), columns_[i].text,
                         L.row_font, columns_[i].align, cell);

    // B. Before each row: count it and add its amounts to the page sums.
    detail.before_print = [st, this, &report](Band&) {
        ++st->on_page;
        ++st->printed;
        ++st->number;
        for (std::size_t i = 0; i < columns_.size(); ++i)
            if (columns_[i].amount) st->sums[i] += columns_[i].amount(report.record());
    };

    Band* subtotal = nullptr;
    Band* grand = nullptr;
    Band* footer = nullptr;
    if (subtotal_) {
        subtotal = &detail.add_child("ChildBandPgSum", kTotalHeight);
        build_total_row(*subtotal, "PgSum", tr8(msg::kPageSubtotal), L.x, columns_);
        // D. The page's row count and sums.
        subtotal->before_print = [st, this](Band& b) {
            b.set_text("PgSumCount", subtotal_label_ + QString::number(st->on_page));
            for (std::size_t i = 0; i < columns_.size(); ++i)
                if (columns_[i].amount)
                    b.set_text("PgSumSum" + std::to_string(i + 1), columns_[i].format_total(st->sums[i]));
        };
    }
    if (grand_) {
        grand = &detail.add_child("ChildBandAllSum", kTotalHeight);
        build_total_row(*grand, "AllSum", tr8(msg::kGrandTotal), L.x, columns_);
        grand->set_text("AllSumCount", grand_label_ + QString::number(n));
        for (std::size_t i = 0; i < columns_.size(); ++i)
            if (columns_[i].grand_total)
                grand->set_text("AllSumSum" + std::to_string(i + 1), columns_[i].format_total(*columns_[i].grand_total));
    }
    if (!footer_.empty()) {
        footer = &detail.add_child("ChildBandFt", kFooterHeight);
        double w = L.width / double(footer_.size());
        for (std::size_t i = 0; i < footer_.size(); ++i)
            footer->add_label("Footer" + std::to_string(i + 1), QRectF(i * w, 0, w, kFooterHeight), footer_[i].text,
                              kLineFont, footer_[i].align);
    }

    // E. After the closing bands of a full page that is not the last: next page.
    auto next_page = [st, reset_sums, r, &report] {
        if (st->on_page >= r && !report.is_last_row()) {
            st->on_page = 0;
            reset_sums();
            ++st->page;
            report.new_page();
        }
    };
    // C. After each row: the closing bands print only after the last row of a page.
    detail.after_print = [=, &report](Band&) {
        bool close = st->on_page >= r || report.is_last_row();
        if (subtotal) subtotal->set_enabled(close);
        if (grand) grand->set_enabled(close && st->page == 1);
        if (footer) footer->set_enabled(close);
        if (!subtotal && !grand && !footer) next_page();
    };
    // E runs once, after whichever closing band prints last on the page.
    std::vector<Band*> closing;
    for (Band* b : {subtotal, grand, footer})
        if (b) closing.push_back(b);
    for (std::size_t i = 0; i < closing.size(); ++i)
        closing[i]->after_print = [=](Band&) {
            for (std::size_t k = i + 1; k < closing.size(); ++k)
                if (closing[k]->enabled()) return;
            next_page();
        };

    if (!rows_ && !db_) throw palvor::Error(msg::kNoData);
    report.set_rows(rows_ ? std::move(rows_) : rows_from_query(*db_, sql_, params_));
    auto doc = std::make_shared<Document>(report.run());
    return doc_ = doc;
}

void PagedListReport::preview(QWidget* parent) { ui::report::preview(build(), parent); }

bool PagedListReport::print(QWidget* parent) { return ui::report::print(*build(), parent); }

void PagedListReport::write_pdf(const QString& path) { ui::report::write_pdf(*build(), path); }

}  // namespace ui::report
