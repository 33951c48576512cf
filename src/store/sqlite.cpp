#include "store/sqlite.h"

#include <sqlite3.h>
#include <strings.h>

#include <cstring>

#include <utility>

#include "core/format.h"
#include "store/gbk.h"

namespace store {

Database::Database(const std::string& path, bool create) : path_(path) {
    int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
        std::string msg = db_ ? sqlite3_errmsg(db_) : "out of memory";
        close();
        throw DbError("无法打开数据库 " + path + "：" + msg);
    }
    sqlite3_busy_timeout(db_, 2000);
    sqlite3_extended_result_codes(db_, 1);
    gbk::register_collation(db_);
    // Reading the schema here turns a damaged file into an error at open, not later.
    exec("PRAGMA foreign_keys=OFF; SELECT count(*) FROM sqlite_master;");
}

Database::~Database() { close(); }

Database::Database(Database&& other) noexcept
    : db_(std::exchange(other.db_, nullptr)), path_(std::move(other.path_)) {}

Database& Database::operator=(Database&& other) noexcept {
    if (this != &other) {
        close();
        db_ = std::exchange(other.db_, nullptr);
        path_ = std::move(other.path_);
    }
    return *this;
}

void Database::close() {
    if (db_) sqlite3_close_v2(db_);
    db_ = nullptr;
}

void Database::fail(const std::string& what) const {
    std::string msg = db_ ? sqlite3_errmsg(db_) : "database not open";
    int code = db_ ? sqlite3_errcode(db_) & 0xff : 0;
    if (code == SQLITE_BUSY || code == SQLITE_LOCKED)
        throw DbError("数据库正被其他程序使用，请关闭其他数据库应用程序后再试！(" + msg + ")");
    if (code == SQLITE_CORRUPT || code == SQLITE_NOTADB)
        throw DbError("数据库文件已损坏：" + path_ + "(" + msg + ")");
    throw DbError("数据库错误：" + msg + (what.empty() ? "" : "\n" + what));
}

void Database::exec(std::string_view sql) {
    std::string text(sql);
    char* err = nullptr;
    if (sqlite3_exec(db_, text.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
        sqlite3_free(err);
        fail(text);
    }
}

Statement Database::prepare(std::string_view sql) { return Statement(*this, sql); }

std::int64_t Database::scalar_int(std::string_view sql) {
    Statement st(*this, sql);
    return st.step() ? st.integer(0) : 0;
}

double Database::scalar_double(std::string_view sql) {
    Statement st(*this, sql);
    return st.step() ? st.real(0) : 0.0;
}

std::int64_t Database::last_insert_rowid() const { return sqlite3_last_insert_rowid(db_); }
int Database::changes() const { return sqlite3_changes(db_); }

bool Database::table_exists(const std::string& table, const std::string& schema) {
    Statement st(*this, "SELECT 1 FROM " + quote_identifier(schema) +
                            ".sqlite_master WHERE type='table' AND name=?1 COLLATE NOCASE");
    st.bind(1, table);
    return st.step();
}

std::vector<Database::ColumnInfo> Database::columns(const std::string& table, const std::string& schema) {
    std::vector<ColumnInfo> out;
    Statement st(*this, "SELECT name, type, dflt_value, pk FROM " + quote_identifier(schema) +
                            ".pragma_table_info(?1)");
    st.bind(1, table);
    while (st.step()) out.push_back({st.text(0), st.text(1), st.text(2), int(st.integer(3))});
    return out;
}

Statement::Statement(Database& db, std::string_view sql) : db_(&db) {
    if (sqlite3_prepare_v2(db.handle(), sql.data(), int(sql.size()), &stmt_, nullptr) != SQLITE_OK)
        db.fail(std::string(sql));
}

Statement::~Statement() {
    if (stmt_) sqlite3_finalize(stmt_);
}

Statement::Statement(Statement&& other) noexcept
    : db_(other.db_), stmt_(std::exchange(other.stmt_, nullptr)) {}

Statement& Statement::bind(int index, std::int64_t value) {
    if (sqlite3_bind_int64(stmt_, index, value) != SQLITE_OK) db_->fail("bind");
    return *this;
}

Statement& Statement::bind(int index, double value) {
    if (sqlite3_bind_double(stmt_, index, value) != SQLITE_OK) db_->fail("bind");
    return *this;
}

Statement& Statement::bind(int index, std::string_view value) {
    if (sqlite3_bind_text(stmt_, index, value.data(), int(value.size()), SQLITE_TRANSIENT) != SQLITE_OK)
        db_->fail("bind");
    return *this;
}

Statement& Statement::bind_null(int index) {
    if (sqlite3_bind_null(stmt_, index) != SQLITE_OK) db_->fail("bind");
    return *this;
}

int Statement::param_index(const char* name) const {
    int i = sqlite3_bind_parameter_index(stmt_, name);
    if (i == 0) throw DbError(std::string("未知的参数：") + name);
    return i;
}

Statement& Statement::bind(const char* name, std::string_view value) { return bind(param_index(name), value); }
Statement& Statement::bind(const char* name, std::int64_t value) { return bind(param_index(name), value); }
Statement& Statement::bind(const char* name, double value) { return bind(param_index(name), value); }

bool Statement::step() {
    int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    db_->fail(sqlite3_sql(stmt_) ? sqlite3_sql(stmt_) : "");
}

void Statement::run() {
    while (step()) {
    }
}

void Statement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

int Statement::column_count() const { return sqlite3_column_count(stmt_); }

std::string Statement::column_name(int index) const {
    const char* n = sqlite3_column_name(stmt_, index);
    return n ? n : "";
}

int Statement::column_index(std::string_view name) const {
    int n = column_count();
    for (int i = 0; i < n; ++i) {
        const char* c = sqlite3_column_name(stmt_, i);
        if (c && name.size() == std::strlen(c) && strncasecmp(c, name.data(), name.size()) == 0) return i;
    }
    return -1;
}

int Statement::require(std::string_view name) const {
    int i = column_index(name);
    if (i < 0) throw DbError("查询结果中没有列 " + std::string(name));
    return i;
}

bool Statement::is_null(int index) const { return sqlite3_column_type(stmt_, index) == SQLITE_NULL; }

std::int64_t Statement::integer(int index) const {
    if (sqlite3_column_type(stmt_, index) == SQLITE_FLOAT) {
        return static_cast<std::int64_t>(sqlite3_column_double(stmt_, index));
    }
    return sqlite3_column_int64(stmt_, index);  // null and non-numeric text read as 0
}

double Statement::real(int index) const { return sqlite3_column_double(stmt_, index); }

std::string Statement::text(int index) const {
    if (sqlite3_column_type(stmt_, index) == SQLITE_FLOAT) {
        // Numbers read as text use the general format, not SQLite's own "%!.15g".
        return palvor::format_general(sqlite3_column_double(stmt_, index));
    }
    const unsigned char* t = sqlite3_column_text(stmt_, index);
    return t ? std::string(reinterpret_cast<const char*>(t), size_t(sqlite3_column_bytes(stmt_, index))) : std::string();
}

Transaction::Transaction(Database& db) : db_(db) { db_.exec("BEGIN IMMEDIATE"); }

Transaction::~Transaction() {
    if (!done_) {
        char* err = nullptr;
        sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, &err);
        sqlite3_free(err);
    }
}

void Transaction::commit() {
    db_.exec("COMMIT");
    done_ = true;
}

std::string quote_identifier(std::string_view name) {
    std::string out = "\"";
    for (char c : name) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

}  // namespace store
