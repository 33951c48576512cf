#include "ui/grid_model.h"

#include <strings.h>

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>
#include <algorithm>
#include <cctype>

#include "core/format.h"
#include "store/catalogue.h"
#include "store/sqlite.h"

namespace ui {

namespace {

bool same_name(std::string_view a, std::string_view b) {
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

bool listed(const std::vector<std::string>& names, std::string_view name) {
    return std::any_of(names.begin(), names.end(), [&](const std::string& n) { return same_name(n, name); });
}

// The list SQL without trailing blanks and semicolons, so that a window can be appended.
std::string trimmed_sql(std::string sql) {
    while (!sql.empty() && (std::isspace(static_cast<unsigned char>(sql.back())) || sql.back() == ';')) sql.pop_back();
    return sql;
}

// Windows and locate run the same SQL text, so SQLite sorts both the same way (with a LIMIT it
// keeps rows of equal sort key in scan order; without one it need not).
constexpr const char* kWindow = " LIMIT :grid_limit OFFSET :grid_offset";

}  // namespace

GridModel::GridModel(store::Database& db, QObject* parent) : QAbstractTableModel(parent), db_(db) {}

GridModel::~GridModel() = default;

void GridModel::set_caption_tables(std::vector<std::string> tables) {
    caption_tables_ = std::move(tables);
    rebuild_columns();
}

void GridModel::set_caption(const std::string& column, const QString& caption) {
    captions_[column] = caption;
    rebuild_columns();
}

void GridModel::set_hidden(std::vector<std::string> columns) {
    hidden_ = std::move(columns);
    rebuild_columns();
}

void GridModel::set_money(std::vector<std::string> columns) {
    money_ = std::move(columns);
    rebuild_columns();
}

std::optional<std::string> GridModel::catalogue_caption(const std::string& column, bool* numeric) const {
    auto numeric_type = [](const store::Column& c) {
        return c.type == store::ColumnType::Integer || c.type == store::ColumnType::Float;
    };
    if (!caption_tables_.empty()) {
        for (const auto& name : caption_tables_)
            if (const store::TableDef* t = store::find_table(name))
                if (const store::Column* c = t->column(column)) {
                    *numeric = numeric_type(*c);
                    return c->caption;
                }
        return std::nullopt;
    }
    std::optional<std::string> found;
    for (const auto& t : store::catalogue())
        if (const store::Column* c = t.column(column)) {
            *numeric = numeric_type(*c);
            if (!c->caption.empty()) return c->caption;
            found = std::string();
        }
    return found;
}

void GridModel::rebuild_columns() {
    beginResetModel();
    build_view_columns();
    endResetModel();
}

void GridModel::build_view_columns() {
    view_columns_.clear();
    for (std::size_t i = 0; i < names_.size(); ++i) {
        const std::string& name = names_[i];
        if (listed(hidden_, name)) continue;
        bool numeric = false;
        std::optional<std::string> caption = catalogue_caption(name, &numeric);
        QString text;
        auto over = std::find_if(captions_.begin(), captions_.end(), [&](const auto& p) { return same_name(p.first, name); });
        if (over != captions_.end())
            text = over->second;
        else if (!caption)
            text = QString::fromStdString(name);  // a computed column: show its name
        else if (caption->empty())
            continue;  // never shown
        else
            text = QString::fromStdString(*caption);
        bool money = listed(money_, name);
        view_columns_.push_back({int(i), text, money, numeric || money});
    }
}

void GridModel::open(std::string sql, SqlValues params) {
    sql_ = trimmed_sql(std::move(sql));
    params_ = std::move(params);
    run_query();
    set_current_row(count_ > 0 ? 0 : -1);
}

void GridModel::run_query() {
    beginResetModel();
    cache_.clear();
    block_query_.reset();
    names_.clear();
    count_ = 0;
    current_ = -1;
    current_key_.reset();
    try {
        auto st = std::make_unique<store::Statement>(db_, sql_ + kWindow);
        for (int i = 0; i < st->column_count(); ++i) names_.push_back(st->column_name(i));
        store::Statement count(db_, "SELECT count(*) FROM (" + sql_ + ")");
        bind_values(count, params_);
        count_ = count.step() ? int(count.integer(0)) : 0;
        block_query_ = std::move(st);
    } catch (...) {
        names_.clear();
        view_columns_.clear();
        count_ = 0;
        endResetModel();
        throw;
    }
    build_view_columns();
    endResetModel();
}

void GridModel::refresh() {
    if (sql_.empty()) return;
    int old_row = current_;
    std::optional<std::string> key = current_key_;
    run_query();
    if (key && locate(key_column_, *key)) return;
    set_current_row(std::min(std::max(old_row, 0), count_ - 1));
}

void GridModel::set_current_row(int row) {
    row = count_ == 0 ? -1 : std::clamp(row, 0, count_ - 1);
    if (row == current_) return;
    current_ = row;
    // The key is read now, while the rows are those the user sees; the table may change before refresh().
    current_key_.reset();
    if (row >= 0 && !key_column_.empty() && source_column(key_column_) >= 0) current_key_ = text(row, key_column_);
    emit current_row_changed(row);
}

bool GridModel::locate(std::string_view column, const SqlValue& value) {
    int col = source_column(column);
    if (col < 0 || sql_.empty()) return false;
    store::Statement st(db_, sql_ + kWindow);
    bind_values(st, params_);
    st.bind(":grid_limit", std::int64_t(-1));
    st.bind(":grid_offset", std::int64_t(0));
    int row = 0;
    while (st.step()) {
        bool hit = false;
        if (std::holds_alternative<std::int64_t>(value))
            hit = !st.is_null(col) && st.real(col) == double(std::get<std::int64_t>(value)) &&
                  st.integer(col) == std::get<std::int64_t>(value);
        else if (std::holds_alternative<double>(value))
            hit = !st.is_null(col) && st.real(col) == std::get<double>(value);
        else if (std::holds_alternative<std::string>(value))
            hit = st.text(col) == std::get<std::string>(value);
        if (hit) {
            set_current_row(row);
            return true;
        }
        ++row;
    }
    return false;
}

int GridModel::source_column(std::string_view column) const {
    for (std::size_t i = 0; i < names_.size(); ++i)
        if (same_name(names_[i], column)) return int(i);
    return -1;
}

int GridModel::view_column(std::string_view column) const {
    int source = source_column(column);
    for (std::size_t i = 0; i < view_columns_.size(); ++i)
        if (view_columns_[i].source == source) return int(i);
    return -1;
}

int GridModel::cached_rows() const {
    int n = 0;
    for (const auto& [_, b] : cache_) n += int(b.rows.size());
    return n;
}

const GridModel::Row* GridModel::row_at(int row) const {
    if (row < 0 || row >= count_ || !block_query_) return nullptr;
    int block = row / kBlockRows;
    auto it = cache_.find(block);
    if (it == cache_.end()) {
        if (int(cache_.size()) >= kCachedBlocks) {
            auto oldest = std::min_element(cache_.begin(), cache_.end(),
                                           [](const auto& a, const auto& b) { return a.second.used < b.second.used; });
            cache_.erase(oldest);
        }
        Block b;
        store::Statement& st = *block_query_;
        st.reset();
        bind_values(st, params_);
        st.bind(":grid_limit", std::int64_t(kBlockRows));
        st.bind(":grid_offset", std::int64_t(block) * kBlockRows);
        int n = st.column_count();
        while (st.step()) {
            Row& r = b.rows.emplace_back(std::size_t(n));
            for (int i = 0; i < n; ++i) r[std::size_t(i)] = {st.text(i), st.real(i), st.integer(i)};
        }
        st.reset();
        it = cache_.emplace(block, std::move(b)).first;
    }
    it->second.used = ++use_clock_;
    std::size_t offset = std::size_t(row % kBlockRows);
    return offset < it->second.rows.size() ? &it->second.rows[offset] : nullptr;
}

const GridModel::Cell* GridModel::cell(int row, std::string_view column) const {
    int col = source_column(column);
    const Row* r = col < 0 ? nullptr : row_at(row);
    return r ? &(*r)[std::size_t(col)] : nullptr;
}

std::string GridModel::text(int row, std::string_view column) const {
    const Cell* c = cell(row, column);
    return c ? c->text : std::string();
}

double GridModel::number(int row, std::string_view column) const {
    const Cell* c = cell(row, column);
    return c ? c->number : 0.0;
}

std::int64_t GridModel::integer(int row, std::string_view column) const {
    const Cell* c = cell(row, column);
    return c ? c->integer : 0;
}

int GridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : count_; }

int GridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(view_columns_.size()); }

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.column() >= int(view_columns_.size())) return {};
    const ViewColumn& vc = view_columns_[std::size_t(index.column())];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter | (vc.numeric ? Qt::AlignRight : Qt::AlignLeft));
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    const Row* r = nullptr;
    try {
        r = row_at(index.row());
    } catch (const std::exception&) {
        return {};  // a failed read paints an empty cell; the next open reports the error
    }
    if (!r) return {};
    const Cell& c = (*r)[std::size_t(vc.source)];
    if (vc.money) return QString::fromStdString(palvor::format_money(c.number));
    return QString::fromStdString(c.text);
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < int(view_columns_.size()) ? QVariant(view_columns_[std::size_t(section)].caption)
                                                                    : QVariant();
    return section + 1;
}

void GridModel::attach(QTableView* view) {
    view->setModel(this);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setWordWrap(false);
    // Fixed row heights keep a 100,000-row list as fast as a short one.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    auto follow_view = [this](const QModelIndex& current) {
        if (current.isValid()) set_current_row(current.row());
    };
    auto select_in_view = [this, view](int row) {
        if (row < 0) return;
        QModelIndex idx = index(row, std::max(0, view->currentIndex().column()));
        if (view->currentIndex().row() != row) {
            view->selectionModel()->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        }
        view->scrollTo(idx);
    };
    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [follow_view](const QModelIndex& current, const QModelIndex&) { follow_view(current); });
    connect(this, &GridModel::current_row_changed, view, select_in_view);
    // A reset drops the view's selection: put it back on the current row.
    connect(this, &QAbstractItemModel::modelReset, view, [this, select_in_view] {
        if (current_ >= 0) select_in_view(current_);
    });
}

}  // namespace ui
