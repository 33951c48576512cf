#include "store/csv_export.h"

#include "store/catalogue.h"
#include "store/sqlite.h"

namespace store {
namespace {

void put_field(std::ostream& out, const std::string& v) {
    if (v.find_first_of(",\"\r\n") == std::string::npos) {
        out << v;
        return;
    }
    out << '"';
    for (char c : v) {
        if (c == '"') out << '"';
        out << c;
    }
    out << '"';
}

}  // namespace

std::string select_in_key_order(const std::string& name) {
    const TableDef& def = table(name);
    std::string sql = "SELECT ";
    for (std::size_t i = 0; i < def.columns.size(); ++i) sql += (i ? ", " : "") + quote_identifier(def.columns[i].name);
    sql += " FROM " + quote_identifier(def.name) + " ORDER BY ";
    if (def.key.empty()) return sql + "rowid";
    for (std::size_t i = 0; i < def.key.size(); ++i) sql += (i ? ", " : "") + quote_identifier(def.key[i]);
    return sql;
}

void export_table_csv(Database& db, const std::string& name, std::ostream& out) {
    const TableDef& def = table(name);
    if (!db.table_exists(def.name)) throw DbError("数据表 " + def.name + " 不存在！");
    for (std::size_t i = 0; i < def.columns.size(); ++i) {
        if (i) out << ',';
        put_field(out, def.columns[i].name);
    }
    out << "\n";
    auto st = db.prepare(select_in_key_order(def.name));
    const int n = st.column_count();
    while (st.step()) {
        for (int i = 0; i < n; ++i) {
            if (i) out << ',';
            put_field(out, st.text(i));
        }
        out << "\n";
    }
    if (!out) throw palvor::Error("写入导出文件时出错！");
}

}  // namespace store
