#include "store/catalogue.h"

#include <strings.h>

#include "store/errors.h"
#include "store/sqlite.h"

namespace store {

const Column* TableDef::column(std::string_view n) const {
    int i = column_index(n);
    return i < 0 ? nullptr : &columns[std::size_t(i)];
}

int TableDef::column_index(std::string_view n) const {
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (columns[i].name.size() == n.size() && strncasecmp(columns[i].name.c_str(), n.data(), n.size()) == 0)
            return int(i);
    return -1;
}

std::string table_name(std::string_view name) {
    std::string n(name);
    if (n.size() > 3 && strcasecmp(n.c_str() + n.size() - 3, ".db") == 0) n.resize(n.size() - 3);
    return n;
}

const TableDef* find_table(std::string_view name) {
    std::string n = table_name(name);
    for (const auto& t : catalogue())
        if (strcasecmp(t.name.c_str(), n.c_str()) == 0) return &t;
    return nullptr;
}

const TableDef& table(std::string_view name) {
    const TableDef* t = find_table(name);
    if (!t) throw palvor::Error("未知的数据表：" + std::string(name));
    return *t;
}

const char* sql_type(ColumnType type) {
    switch (type) {
        case ColumnType::Integer:
        case ColumnType::Bool:
            return "INTEGER";
        case ColumnType::Float:
            return "REAL";
        default:
            return "TEXT";
    }
}

std::string key_order(const TableDef& def) {
    if (def.key.empty()) return "rowid";
    std::string order;
    for (const std::string& k : def.key) order += (order.empty() ? "" : ", ") + quote_identifier(k);
    return order;
}

std::string create_table_sql(const TableDef& def, const std::string& name, const std::string& schema) {
    std::string sql = "CREATE TABLE " + quote_identifier(schema) + "." + quote_identifier(name) + " (";
    for (std::size_t i = 0; i < def.columns.size(); ++i) {
        const Column& c = def.columns[i];
        if (i) sql += ", ";
        sql += quote_identifier(c.name) + " " + sql_type(c.type);
        bool text = c.type == ColumnType::Text || c.type == ColumnType::Date || c.type == ColumnType::Memo;
        sql += text ? " DEFAULT ''" : " DEFAULT 0";
    }
    if (!def.key.empty()) {
        sql += ", PRIMARY KEY (";
        for (std::size_t i = 0; i < def.key.size(); ++i) sql += (i ? ", " : "") + quote_identifier(def.key[i]);
        sql += ")";
    }
    return sql + ")";
}

}  // namespace store
