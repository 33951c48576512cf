#pragma once
// A banded report: a page header on every page, a detail band per data row with its chained
// child bands, hooks before the report and around every band, and a new page on request. run()
// lays the report out into a Document; report_output.h paints, prints and previews it.
#include <QString>
#include <functional>
#include <memory>
#include <string_view>

#include "ui/report/band.h"
#include "ui/report/page_model.h"
#include "ui/report/record.h"

namespace ui::report {

class Report {
public:
    explicit Report(QString title = {});
    Report(const Report&) = delete;
    Report& operator=(const Report&) = delete;

    const QString& title() const { return title_; }
    PageSetup& setup() { return setup_; }

    Band& page_header() { return header_; }
    Band& detail() { return detail_; }
    // A band by name among the page header, the detail band and its children; nullptr when none.
    Band* band(std::string_view name);
    // Sets a label's text wherever it is; throws palvor::Error for an unknown label.
    void set_text(std::string_view label, const QString& text);

    // The data. Without a source the detail band prints once (a form); with an empty source the
    // report has no page.
    void set_rows(RowSource rows) { rows_ = std::move(rows); }

    // Run once when the report starts, before the first page.
    std::function<void(Report&)> before_report;

    // For hooks while the report runs.
    void new_page() { new_page_ = true; }  // the next band starts a new page
    int page_number() const { return int(doc_.pages.size()); }
    const Record& record() const { return current_; }
    long long row_number() const { return row_number_; }  // 1-based, over the whole report
    bool is_last_row() const { return last_row_; }

    Document run();

private:
    void print_band(Band& band);
    void start_page();
    void place(Band& band, Page& page, double top);

    QString title_;
    PageSetup setup_;
    Band header_{"PageHeader", 0};
    Band detail_{"Detail", 0};
    RowSource rows_;

    Document doc_;
    Record current_;
    double y_ = 0;
    bool new_page_ = false;
    long long row_number_ = 0;
    bool last_row_ = false;
};

}  // namespace ui::report
