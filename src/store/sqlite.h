#pragma once
// Small RAII layer over the SQLite C API. Values always go in through bound parameters; a null
// number reads as 0 and a null text as empty text, in one place: the Statement accessors.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/errors.h"

struct sqlite3;
struct sqlite3_stmt;

namespace store {

class Statement;

class Database {
public:
    Database() = default;
    // Opens (and creates when `create`) the file; registers the GBK collation.
    explicit Database(const std::string& path, bool create = true);
    ~Database();
    Database(Database&& other) noexcept;
    Database& operator=(Database&& other) noexcept;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    bool is_open() const { return db_ != nullptr; }
    const std::string& path() const { return path_; }
    sqlite3* handle() const { return db_; }

    // Runs one or more statements without parameters (schema, pragmas).
    void exec(std::string_view sql);
    Statement prepare(std::string_view sql);
    // Shorthand for a query that yields one number (null or no row gives 0).
    std::int64_t scalar_int(std::string_view sql);
    double scalar_double(std::string_view sql);
    std::int64_t last_insert_rowid() const;
    int changes() const;

    bool table_exists(const std::string& table, const std::string& schema = "main");
    // Columns of a table in their stored order.
    struct ColumnInfo {
        std::string name;
        std::string type;
        std::string default_value;  // SQL text of the default, empty when none
        int pk_order = 0;           // 1-based position in the primary key, 0 when not part of it
    };
    std::vector<ColumnInfo> columns(const std::string& table, const std::string& schema = "main");

    [[noreturn]] void fail(const std::string& what) const;

private:
    void close();
    sqlite3* db_ = nullptr;
    std::string path_;
};

// A prepared statement. bind() indexes are 1-based, as in SQLite.
class Statement {
public:
    Statement(Database& db, std::string_view sql);
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&&) = delete;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& bind(int index, std::int64_t value);
    Statement& bind(int index, int value) { return bind(index, static_cast<std::int64_t>(value)); }
    Statement& bind(int index, double value);
    Statement& bind(int index, std::string_view value);
    Statement& bind(int index, const char* value) { return bind(index, std::string_view(value)); }
    Statement& bind(int index, const std::string& value) { return bind(index, std::string_view(value)); }
    Statement& bind_null(int index);
    Statement& bind(const char* name, std::string_view value);
    Statement& bind(const char* name, std::int64_t value);
    Statement& bind(const char* name, double value);

    // Steps once; true when a row is available.
    bool step();
    // Runs a statement that returns no rows.
    void run();
    void reset();

    int column_count() const;
    std::string column_name(int index) const;
    int column_index(std::string_view name) const;  // -1 when absent (case-insensitive)
    bool is_null(int index) const;
    std::int64_t integer(int index) const;
    double real(int index) const;
    std::string text(int index) const;
    std::int64_t integer(std::string_view name) const { return integer(require(name)); }
    double real(std::string_view name) const { return real(require(name)); }
    std::string text(std::string_view name) const { return text(require(name)); }

private:
    int require(std::string_view name) const;
    int param_index(const char* name) const;
    Database* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

// A transaction that rolls back unless commit() was called.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Database& db_;
    bool done_ = false;
};

// Quotes an identifier (table or column name) for SQL text. Identifiers come from the catalogue.
std::string quote_identifier(std::string_view name);

}  // namespace store
