#include "store/csv_export.h"

#include "store/catalogue.h"
#include "store/messages.h"
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

// The catalogue's columns in key order.
std::string select_in_key_order(const TableDef& def) {
    std::string sql = "SELECT ";
    for (std::size_t i = 0; i < def.columns.size(); ++i) sql += (i ? ", " : "") + quote_identifier(def.columns[i].name);
    return sql + " FROM " + quote_identifier(def.name) + " ORDER BY " + key_order(def);
}

}  // namespace

void export_table_csv(Database& db, const std::string& name, std::ostream& out) {
    const TableDef& def = table(name);
    if (!db.table_exists(def.name)) throw palvor::Error(msg::export_no_table(def.name));
    for (std::size_t i = 0; i < def.columns.size(); ++i) {
        if (i) out << ',';
        put_field(out, def.columns[i].name);
    }
    out << "\n";
    auto st = db.prepare(select_in_key_order(def));
    const int n = st.column_count();
    while (st.step()) {
        for (int i = 0; i < n; ++i) {
            if (i) out << ',';
            put_field(out, st.text(i));
        }
        out << "\n";
    }
    if (!out) throw palvor::Error(msg::kExportWriteFailed);
}

}  // namespace store
