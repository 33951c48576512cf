#pragma once
// A live table as UTF-8 CSV: a header row, the catalogue's columns in order, rows in key order.
#include <ostream>
#include <string>

namespace store {

class Database;

void export_table_csv(Database& db, const std::string& table, std::ostream& out);

}  // namespace store
