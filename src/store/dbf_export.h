#pragma once
// Live tables written as dBase files.
#include <string>
#include <vector>

#include "store/catalogue.h"
#include "store/dbf_field.h"

namespace store {

class Database;

// The dBase layout of a catalogue table, in catalogue order: Integer N(11,0), Float N(19,6),
// Text C(2 bytes per character of its width, 100 when it has none, at most 254), Date D, Bool L,
// Memo C(254). Names longer than 10 characters are shortened and kept unique.
std::vector<DbfField> dbf_layout(const TableDef& table);

// Writes a live table with its catalogue columns, rows in primary-key order (rowid order for a
// table without key). Throws palvor::Error for an unknown or missing table and for a value that
// does not fit its field; `out_path` is then left as it was.
void export_table_dbf(Database& db, const std::string& table, const std::string& out_path);

}  // namespace store
