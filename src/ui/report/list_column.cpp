#include "ui/report/list_column.h"

#include <cmath>

#include "core/format.h"

namespace ui::report {

QString money_text(double value) { return QString::fromStdString(palvor::format_money(value)); }

ListColumn ListColumn::text_of(QString caption, double width, std::string column, Align align) {
    ListColumn c;
    c.caption = std::move(caption);
    c.width = width;
    c.align = align;
    c.text = [column = std::move(column)](const Record& r) { return QString::fromStdString(r.text(column)); };
    return c;
}

ListColumn ListColumn::money_of(QString caption, double width, std::string column, bool blank_zero) {
    ListColumn c;
    c.caption = std::move(caption);
    c.width = width;
    c.align = Align::Right;
    c.text = [column, blank_zero](const Record& r) {
        double v = r.number(column);
        return blank_zero && v == 0 ? QString() : money_text(v);
    };
    c.amount = [column](const Record& r) { return r.number(column); };
    return c;
}

ListColumn ListColumn::integer_of(QString caption, double width, std::string column, bool blank_zero,
                                  bool summed) {
    ListColumn c;
    c.caption = std::move(caption);
    c.width = width;
    c.align = Align::Right;
    c.text = [column, blank_zero](const Record& r) {
        auto v = r.integer(column);
        return blank_zero && v == 0 ? QString() : QString::number(v);
    };
    if (summed) {
        c.amount = [column](const Record& r) { return double(r.integer(column)); };
        c.total_text = [](double v) { return QString::number(std::llround(v)); };
    }
    return c;
}

QString ListColumn::format_total(double value) const { return total_text ? total_text(value) : money_text(value); }

}  // namespace ui::report
