#pragma once
// Creating and refreshing a data root: the directory layout, the templates database made from the
// catalogue, the code tables with their reference content, the background picture.
#include <string>

namespace core {

// Makes `dir` a data root. Safe to run again on a working data root: it never touches live
// tables, only rewrites the templates (they belong to the installed version) and adds what is
// missing.
void install_data_root(const std::string& dir);

// Creates and fills the code tables that are missing in the live database.
void install_missing_code_tables(const std::string& tables_db_path);

}  // namespace core
