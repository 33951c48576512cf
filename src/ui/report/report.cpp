#include "ui/report/report.h"

#include "store/errors.h"

namespace ui::report {

Report::Report(QString title) : title_(std::move(title)) {}

Band* Report::band(std::string_view name) {
    if (header_.name() == name) return &header_;
    return detail_.find(name);
}

void Report::set_text(std::string_view label, const QString& text) {
    for (Band* b : {&header_, &detail_})
        if (b->element(label)) return b->set_text(label, text);
    std::vector<Band*> todo{&detail_};
    while (!todo.empty()) {
        Band* b = todo.back();
        todo.pop_back();
        if (b->element(label)) return b->set_text(label, text);
        for (auto& c : b->children()) todo.push_back(c.get());
    }
    throw palvor::Error("报表中没有标签 " + std::string(label));
}

Document Report::run() {
    doc_ = Document{title_, setup_, {}};
    current_.clear();
    row_number_ = 0;
    last_row_ = false;
    new_page_ = false;
    if (before_report) before_report(*this);

    if (!rows_) {
        last_row_ = true;
        row_number_ = 1;
        print_band(detail_);
    } else {
        // One row of look-ahead tells the hooks whether the current row is the last.
        Record next;
        bool have = rows_(next);
        while (have) {
            current_ = std::move(next);
            next = Record();
            have = rows_(next);
            last_row_ = !have;
            ++row_number_;
            print_band(detail_);
        }
    }
    return std::move(doc_);
}

void Report::start_page() {
    doc_.pages.emplace_back();
    new_page_ = false;
    y_ = setup_.printable().top();
    if (header_.before_print) header_.before_print(header_);
    if (header_.enabled()) {
        place(header_, doc_.pages.back(), y_);
        y_ += header_.height();
        if (header_.after_print) header_.after_print(header_);
    }
}

void Report::print_band(Band& band) {
    if (band.before_print) band.before_print(band);
    if (!band.enabled()) return;
    double bottom = setup_.printable().bottom();
    // A band that does not fit goes to the next page, unless the page is still empty.
    bool page_empty = !doc_.pages.empty() && y_ <= setup_.printable().top() + header_.height() + 1e-6;
    if (doc_.pages.empty() || new_page_ || (y_ + band.height() > bottom + 1e-6 && !page_empty)) start_page();
    place(band, doc_.pages.back(), y_);
    y_ += band.height();
    if (band.after_print) band.after_print(band);
    for (auto& child : band.children()) print_band(*child);
}

namespace {

void frame_lines(Page& page, const QRectF& r, unsigned frame, double width) {
    if (frame & FrameTop) page.lines.push_back({QLineF(r.topLeft(), r.topRight()), width});
    if (frame & FrameBottom) page.lines.push_back({QLineF(r.bottomLeft(), r.bottomRight()), width});
    if (frame & FrameLeft) page.lines.push_back({QLineF(r.topLeft(), r.bottomLeft()), width});
    if (frame & FrameRight) page.lines.push_back({QLineF(r.topRight(), r.bottomRight()), width});
}

}  // namespace

void Report::place(Band& band, Page& page, double top) {
    QPointF origin(setup_.printable().left(), top);
    for (const Element& e : band.elements()) {
        switch (e.kind) {
            case Element::Kind::Line:
                page.lines.push_back({e.line.translated(origin), e.line_width});
                break;
            case Element::Kind::Label:
            case Element::Kind::Field: {
                QRectF r = e.rect.translated(origin);
                QString text = e.kind == Element::Kind::Label ? e.text : (e.value ? e.value(current_) : QString());
                if (!text.isEmpty()) page.texts.push_back({r, text, e.font, e.align});
                frame_lines(page, r, e.frame, e.line_width);
                break;
            }
        }
    }
}

}  // namespace ui::report
