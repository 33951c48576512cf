#pragma once
// One data row as a report sees it: values by column name (without regard to case). A missing
// or null number reads as 0, a missing or null text as empty, as everywhere in the program.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/sql_value.h"

namespace store {
class Database;
class Statement;
}  // namespace store

namespace ui::report {

class Record {
public:
    void clear() { values_.clear(); }
    void set(std::string_view column, std::string text);
    void set(std::string_view column, const char* text) { set(column, std::string(text)); }
    void set(std::string_view column, double value);
    void set(std::string_view column, std::int64_t value);
    void set(std::string_view column, int value) { set(column, std::int64_t(value)); }

    bool has(std::string_view column) const { return find(column) != nullptr; }
    std::string text(std::string_view column) const;
    double number(std::string_view column) const;
    std::int64_t integer(std::string_view column) const;

    // Fills the record from the current row of a statement.
    void read(const store::Statement& st);

private:
    struct Value {
        std::string name;
        std::string text;
        double number = 0;
        std::int64_t integer = 0;
    };
    const Value* find(std::string_view column) const;
    Value& slot(std::string_view column);
    std::vector<Value> values_;
};

// Fills the record with the next row and returns true, or returns false at the end.
using RowSource = std::function<bool(Record&)>;

// Rows of a prepared statement (stepped from where it stands; the statement must outlive the source).
RowSource rows_from(store::Statement& st);
// Rows of a query run with bound parameters; the database must outlive the source.
RowSource rows_from_query(store::Database& db, const std::string& sql, const SqlValues& params = {});
// Rows held in memory.
RowSource rows_from(std::vector<Record> rows);

}  // namespace ui::report
