#pragma once
// The page-by-page list report shared by the registry, journal and roster lists: a fixed number
// of rows per page, "共n页"/"第n页", a running number "序号" over the whole report, and closing
// bands after every full page and after the last row: the page subtotal ("本页小计"), the grand
// total ("合计（首页填写）", page 1 only) and the footer. Each report chooses which it has.
//
//   PagedListReport r;
//   r.set_title("小  区  信  息  表");
//   r.set_header_lines({"单位登记号：" + dwdjh, "单位名称：" + dwmc});
//   r.set_columns({ListColumn::text_of("小区编号", 20, "xqbh", Align::Right),
//                  ListColumn::text_of("小区名称", 60, "xqmc"), ListColumn::text_of("小区地址", 80, "xqdz")});
//   r.set_rows_per_page(32);
//   r.set_record_count(n);
//   r.set_footer(QStringList{"打印日期：" + today, "总记录数：" + QString::number(n)});
//   r.set_query(db, "select * from jbxx_xqxxk order by xqbh");
//   r.preview(this);  // or r.print(this), r.write_pdf(path)
#include <QMarginsF>
#include <QString>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "ui/report/list_column.h"
#include "ui/report/page_model.h"
#include "ui/report/record.h"
#include "ui/sql_value.h"

class QWidget;

namespace store {
class Database;
}

namespace ui::report {

struct FooterItem {
    QString text;
    Align align = Align::Left;
};

class PagedListReport {
public:
    void set_title(QString title) { title_ = std::move(title), doc_.reset(); }
    void set_orientation(Orientation o) { setup_.orientation = o, doc_.reset(); }
    void set_margins(QMarginsF mm) { setup_.margins = mm, doc_.reset(); }
    // Lines under the title, left ("单位登记号：…", "单位名称：…"); the page labels sit on the right.
    void set_header_lines(QStringList lines) { header_lines_ = std::move(lines), doc_.reset(); }
    void set_number_width(double mm) { number_width_ = mm, doc_.reset(); }
    void set_columns(std::vector<ListColumn> columns) { columns_ = std::move(columns), doc_.reset(); }
    void set_rows_per_page(int r) { rows_per_page_ = r, doc_.reset(); }
    // n, the caller's row count: the page count and the grand total use it. With set_query and
    // no count set, the query is counted.
    void set_record_count(long long n) { record_count_ = n, doc_.reset(); }
    // Enables the page subtotal: "本页小计", count_label + rows on the page, the page sums.
    void set_subtotal(QString count_label) { subtotal_ = true, subtotal_label_ = std::move(count_label), doc_.reset(); }
    // Enables the grand total on page 1: "合计（首页填写）", count_label + n, the grand totals.
    void set_grand_total(QString count_label) { grand_ = true, grand_label_ = std::move(count_label), doc_.reset(); }
    // Enables the footer. The list form lays out the first text left, the last right, others centred.
    void set_footer(std::vector<FooterItem> items) { footer_ = std::move(items), doc_.reset(); }
    void set_footer(const QStringList& texts);

    void set_rows(RowSource rows);
    void set_query(store::Database& db, std::string sql, SqlValues params = {});

    long long record_count() const;
    int page_count() const;
    // Lays the report out; later calls return the same pages until a setting changes. n = 0
    // gives no page. Rows given by set_rows() are read once.
    std::shared_ptr<const Document> build();

    // Preview (modal) or print dialog; nothing happens when there is no page.
    void preview(QWidget* parent);
    bool print(QWidget* parent);
    // Throws palvor::Error when the file cannot be written.
    void write_pdf(const QString& path);

private:
    struct Layout;
    Layout layout() const;

    QString title_;
    PageSetup setup_;
    QStringList header_lines_;
    double number_width_ = 12;
    std::vector<ListColumn> columns_;
    int rows_per_page_ = 30;
    mutable long long record_count_ = -1;
    bool subtotal_ = false;
    QString subtotal_label_;
    bool grand_ = false;
    QString grand_label_;
    std::vector<FooterItem> footer_;

    RowSource rows_;
    store::Database* db_ = nullptr;
    std::string sql_;
    SqlValues params_;
    std::shared_ptr<const Document> doc_;
};

}  // namespace ui::report
