#pragma once
// One column of a paged list report: its heading, relative width, alignment, the cell text of
// a row, and (for amount columns) what a row adds to the page sum and how sums are shown.
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "ui/report/page_model.h"
#include "ui/report/record.h"

namespace ui::report {

struct ListColumn {
    QString caption;
    double width = 20;  // mm; all columns are scaled together to fill the printable width
    Align align = Align::Left;
    std::function<QString(const Record&)> text;
    // Set for columns whose page sum shows in the subtotal band; returns what the row adds.
    std::function<double(const Record&)> amount;
    // How the page sum and the grand total show; "0.00" when not set.
    std::function<QString(double)> total_text;
    // The caller's total over the whole list, shown in the grand-total band.
    std::optional<double> grand_total;

    // The column's text as stored (numbers in the general format).
    static ListColumn text_of(QString caption, double width, std::string column, Align align = Align::Left);
    // An amount "0.00", right-aligned, summed per page; blank_zero leaves 0 cells empty.
    static ListColumn money_of(QString caption, double width, std::string column, bool blank_zero = false);
    // An integer, right-aligned; summed per page (as an integer) when `summed`.
    static ListColumn integer_of(QString caption, double width, std::string column, bool blank_zero = false,
                                 bool summed = false);

    bool summed() const { return bool(amount) || grand_total.has_value(); }
    QString format_total(double value) const;
};

// "0.00" of a money value, through the one money formatter.
QString money_text(double value);

}  // namespace ui::report
