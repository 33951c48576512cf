#pragma once
// The table catalogue: every live table, its columns in stored order, types, widths, key and
// captions. Templates, the upgrade, grids, reports and exports all read it from here.
#include <string>
#include <string_view>
#include <vector>

namespace store {

enum class ColumnType { Integer, Float, Text, Date, Bool, Memo };

struct Column {
    std::string name;
    ColumnType type;
    int width;            // longest text accepted (characters); 0 where no limit is set
    std::string caption;  // what windows and reports show; empty when never shown
};

enum class TableKind { Registry, Voucher, Journal, User, Code };

struct TableDef {
    std::string name;           // live name, e.g. "jbxx_xqxxk"
    std::string template_name;  // "sjk_jbxx_xqxxk"; empty for tables that are not upgraded
    std::string title;          // Chinese name of the table
    TableKind kind;
    std::vector<Column> columns;
    std::vector<std::string> key;  // primary key columns; empty: no primary index

    const Column* column(std::string_view name) const;
    int column_index(std::string_view name) const;  // -1 when absent
};

// All tables in a fixed order: the fifteen upgraded tables in start-up order, then the code tables.
const std::vector<TableDef>& catalogue();
// A table by name, with or without ".db", without regard to case; nullptr when unknown.
const TableDef* find_table(std::string_view name);
// Same, but throws palvor::Error naming the table when unknown.
const TableDef& table(std::string_view name);

// The name without a trailing ".db" (tables may be named either way).
std::string table_name(std::string_view name);

// "CREATE TABLE" text for the definition under the given name (defaults: '' for texts, 0 for
// numbers, so that a new column reads as empty everywhere).
std::string create_table_sql(const TableDef& def, const std::string& name, const std::string& schema = "main");
// The ORDER BY list that reads a table in key order ("rowid" for tables without a key).
std::string key_order(const TableDef& def);
// SQL type of a column type.
const char* sql_type(ColumnType type);

}  // namespace store
