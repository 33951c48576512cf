#include "store/dbf_export.h"

#include <algorithm>

#include "store/dbf_table.h"
#include "store/dbf_writer.h"
#include "store/errors.h"
#include "store/messages.h"
#include "store/sqlite.h"

namespace store {
namespace {

// Widest value of each kind that the program keeps: 64-bit counters fit N(11,0) in practice,
// money, areas and rates keep six decimals in N(19,6).
DbfField field_for(const Column& c, const std::string& name) {
    switch (c.type) {
        case ColumnType::Integer:
            return DbfField::number(name, 11, 0);
        case ColumnType::Float:
            return DbfField::number(name, 19, 6);
        case ColumnType::Date:
            return DbfField::date(name);
        case ColumnType::Bool:
            return DbfField::logical(name);
        case ColumnType::Memo:
            return DbfField::text(name, 254);
        case ColumnType::Text:
            break;
    }
    // Widths count characters; a Chinese character takes two bytes in GBK.
    return DbfField::text(name, c.width > 0 ? std::min(254, 2 * c.width) : 100);
}

// A name of at most 10 characters not yet taken: "sbxzbz_dwdj" -> "sbxzbz_dwd", then "sbxzbz_d_1" ...
std::string short_name(const std::string& name, const std::vector<DbfField>& taken) {
    std::string n = name.substr(0, 10);
    for (int k = 1; dbf_field_index(taken, n) >= 0; ++k) {
        std::string suffix = "_" + std::to_string(k);
        n = name.substr(0, 10 - suffix.size()) + suffix;
    }
    return n;
}

}  // namespace

std::vector<DbfField> dbf_layout(const TableDef& table) {
    std::vector<DbfField> fields;
    for (const Column& c : table.columns) fields.push_back(field_for(c, short_name(c.name, fields)));
    return fields;
}

void export_table_dbf(Database& db, const std::string& table_arg, const std::string& out_path) {
    const TableDef& def = table(table_arg);
    if (!db.table_exists(def.name)) throw palvor::Error(msg::export_no_table(def.name));
    std::vector<std::string> columns;
    for (const Column& c : def.columns) columns.push_back(c.name);
    Statement st = db.prepare("SELECT " + dbf_select_list(columns) + " FROM main." + quote_identifier(def.name) +
                              " ORDER BY " + key_order(def));
    DbfWriter out(out_path, dbf_layout(def));
    append_query_rows(st, out);
    out.close();
}

}  // namespace store
