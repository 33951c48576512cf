#pragma once
// The list behind a QTableView: the rows of one SQL query with bound parameters, fetched in
// windows of 256 rows as the view needs them, so a list of 100,000 rows opens at once. Column
// captions come from the table catalogue; a window may override captions, hide columns and
// mark money columns ("0.00"). The model keeps a current row that follows the view's selection
// and that windows move with locate/first/last.
//
//   ui::GridModel model(db);
//   model.set_caption_tables({"jbxx_xqxxk"});
//   model.set_hidden({"xqxh"});
//   model.set_key_column("xqbh");
//   model.attach(ui->DBGrid1);
//   model.open("select * from jbxx_xqxxk order by xqbh");
//   if (!model.locate("xqmc", std::string(name))) prompter.error(...);
//   long long xqbh = model.current_integer("xqbh");
#include <QAbstractTableModel>
#include <QString>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/sql_value.h"

class QTableView;

namespace store {
class Database;
class Statement;
}  // namespace store

namespace ui {

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kBlockRows = 256;
    static constexpr int kCachedBlocks = 64;

    explicit GridModel(store::Database& db, QObject* parent = nullptr);
    ~GridModel() override;

    // Tables whose catalogue captions name the columns, first match wins (default: all tables).
    void set_caption_tables(std::vector<std::string> tables);
    void set_caption(const std::string& column, const QString& caption);
    // Hidden columns stay readable through text()/number(). Columns the catalogue gives no
    // caption are hidden too unless they get one here.
    void set_hidden(std::vector<std::string> columns);
    void set_money(std::vector<std::string> columns);
    // The column that identifies a row, kept by refresh().
    void set_key_column(std::string column) { key_column_ = std::move(column); }

    // Runs the query (its SQL must not end in LIMIT) and moves to the first row.
    void open(std::string sql, SqlValues params = {});
    // Runs the same query again, staying on the current key where it still exists, else on the
    // same row position.
    void refresh();
    bool is_open() const { return !sql_.empty(); }
    const std::string& sql() const { return sql_; }
    const SqlValues& params() const { return params_; }

    int row_count() const { return count_; }
    // -1 only when the list is empty.
    int current_row() const { return current_; }
    void set_current_row(int row);
    void first() { set_current_row(0); }
    void last() { set_current_row(count_ - 1); }
    // Moves to the first row whose column equals the value exactly; false (and no move) when none.
    bool locate(std::string_view column, const SqlValue& value);

    // Values by row and column name (all columns of the query, hidden ones included).
    std::string text(int row, std::string_view column) const;
    double number(int row, std::string_view column) const;
    std::int64_t integer(int row, std::string_view column) const;
    std::string current_text(std::string_view column) const { return text(current_, column); }
    double current_number(std::string_view column) const { return number(current_, column); }
    std::int64_t current_integer(std::string_view column) const { return integer(current_, column); }

    // Columns of the query in order; the view column of one (-1 when hidden or unknown).
    const std::vector<std::string>& columns() const { return names_; }
    int view_column(std::string_view column) const;
    int cached_rows() const;

    // Shows the model in the view; the selection and the current row follow each other.
    void attach(QTableView* view);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    void current_row_changed(int row);

private:
    struct Cell {
        std::string text;
        double number = 0;
        std::int64_t integer = 0;
    };
    using Row = std::vector<Cell>;
    struct Block {
        std::vector<Row> rows;
        std::uint64_t used = 0;
    };
    struct ViewColumn {
        int source;
        QString caption;
        bool money;
        bool numeric;
    };

    void run_query();
    void build_view_columns();
    void rebuild_columns();
    int source_column(std::string_view column) const;
    const Row* row_at(int row) const;
    const Cell* cell(int row, std::string_view column) const;
    std::optional<std::string> catalogue_caption(const std::string& column, bool* numeric) const;

    store::Database& db_;
    std::string sql_;
    SqlValues params_;
    std::vector<std::string> caption_tables_;
    std::map<std::string, QString> captions_;
    std::vector<std::string> hidden_;
    std::vector<std::string> money_;
    std::string key_column_;

    std::vector<std::string> names_;
    std::vector<ViewColumn> view_columns_;
    int count_ = 0;
    int current_ = -1;
    std::optional<std::string> current_key_;
    mutable std::map<int, Block> cache_;
    mutable std::uint64_t use_clock_ = 0;
    mutable std::unique_ptr<store::Statement> block_query_;
};

}  // namespace ui
