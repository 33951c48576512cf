#pragma once
// A dBase file as a table for SQL: the file is loaded into a temporary table of a connection,
// queried and changed with ordinary statements (bound parameters), and written back on request.
//
//   store::DbfTable sb(db, tables_dir / "zfzj_dwjk_sb_zq.dbf");
//   auto st = db.prepare("SELECT sum(zqbj) FROM " + sb.table() + " WHERE zqmxfl = ?1");
//   ...
//   sb.save();  // only when it was changed
#include <string>
#include <vector>

#include "store/dbf_field.h"
#include "store/sqlite.h"

namespace store {

class DbfWriter;

class DbfTable {
public:
    // Loads the file into the temporary table `name` of `db` (default: the file name without its
    // extension, in lower case). Columns are the field names in lower case: C and D as TEXT (dates
    // "yyyy-mm-dd" or ''), N without decimals and L as INTEGER, other N and F as REAL; a blank
    // number or logical is NULL. Deleted records are left out. A name that is a table of the main
    // database is refused, so that a loaded file never hides a live table; an earlier temporary
    // table of that name is replaced. Throws palvor::Error.
    DbfTable(Database& db, std::string path, std::string name = {});
    ~DbfTable();  // drops the temporary table
    DbfTable(const DbfTable&) = delete;
    DbfTable& operator=(const DbfTable&) = delete;

    const std::string& name() const { return name_; }
    std::string table() const;  // the qualified name for SQL text: temp."name"
    const std::string& path() const { return path_; }
    const std::vector<DbfField>& fields() const { return fields_; }
    int loaded_rows() const { return loaded_rows_; }

    // Writes the table back to its file with the same field layout, rows in rowid order. The file
    // is replaced only when every row could be written.
    void save() { save_as(path_); }
    void save_as(const std::string& path);

private:
    Database& db_;
    std::string path_;
    std::string name_;
    std::vector<DbfField> fields_;
    int loaded_rows_ = 0;
};

// The select list that append_query_rows expects for the given columns: each column followed
// by its typeof(), so that numbers, texts and NULLs reach the file as what they are.
std::string dbf_select_list(const std::vector<std::string>& columns);
// Appends every row of a query built with dbf_select_list to the writer, in order.
void append_query_rows(Statement& query, DbfWriter& out);

}  // namespace store
