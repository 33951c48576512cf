#include "store/dbf_table.h"

#include <filesystem>

#include "store/dbf_reader.h"
#include "store/dbf_values.h"
#include "store/dbf_writer.h"
#include "store/errors.h"
#include "store/messages.h"

namespace store {
namespace {

const char* column_type(const DbfField& f) {
    switch (f.type) {
        case DbfType::Numeric:
            return f.decimals == 0 ? "INTEGER" : "REAL";
        case DbfType::Float:
            return "REAL";
        case DbfType::Logical:
            return "INTEGER";
        default:
            return "TEXT";
    }
}

std::string lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return s;
}

// Loading runs inside the caller's transaction when there is one, else in its own.
class Savepoint {
public:
    explicit Savepoint(Database& db) : db_(db) { db_.exec("SAVEPOINT dbf_load"); }
    ~Savepoint() {
        if (done_) return;
        try {
            db_.exec("ROLLBACK TO dbf_load; RELEASE dbf_load");
        } catch (...) {
        }
    }
    void release() {
        db_.exec("RELEASE dbf_load");
        done_ = true;
    }

private:
    Database& db_;
    bool done_ = false;
};

void bind_value(Statement& st, int param, const DbfRow& row, int i, const DbfField& f) {
    switch (f.type) {
        case DbfType::Character:
            st.bind(param, row.text(i));
            return;
        case DbfType::Date:
            st.bind(param, row.date(i));
            return;
        case DbfType::Logical:
            if (row.is_blank(i) || row.raw(i) == "?")
                st.bind_null(param);
            else
                st.bind(param, std::int64_t(row.boolean(i) ? 1 : 0));
            return;
        case DbfType::Numeric:
        case DbfType::Float: {
            std::int64_t n = 0;
            auto parsed = dbf_value::parse_integer(row.raw(i), n);
            if (parsed == dbf_value::Parsed::Blank)
                st.bind_null(param);
            else if (parsed == dbf_value::Parsed::Value)
                st.bind(param, n);
            else
                st.bind(param, row.real(i));
            return;
        }
    }
}

}  // namespace

DbfTable::DbfTable(Database& db, std::string path, std::string name) : db_(db), path_(std::move(path)) {
    DbfReader in(path_);
    fields_ = in.fields();
    name_ = lower(name.empty() ? std::filesystem::path(path_).stem().string() : name);
    if (db_.table_exists(name_, "main")) throw palvor::Error(msg::dbf_table_name_taken(name_));

    std::string create = "CREATE TEMP TABLE " + quote_identifier(name_) + " (";
    std::string insert = "INSERT INTO " + table() + " VALUES (";
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        create += (i ? ", " : "") + quote_identifier(lower(fields_[i].name)) + " " + column_type(fields_[i]);
        insert += (i ? ", ?" : "?") + std::to_string(i + 1);
    }
    create += ")";
    insert += ")";

    Savepoint sp(db_);
    db_.exec("DROP TABLE IF EXISTS " + table());
    db_.exec(create);
    Statement st = db_.prepare(insert);
    for (DbfRow row : in) {
        for (int i = 0; i < int(fields_.size()); ++i) bind_value(st, i + 1, row, i, fields_[std::size_t(i)]);
        st.run();
        st.reset();
        ++loaded_rows_;
    }
    sp.release();
}

DbfTable::~DbfTable() {
    try {
        if (db_.is_open()) db_.exec("DROP TABLE IF EXISTS " + table());
    } catch (...) {
    }
}

std::string DbfTable::table() const { return "temp." + quote_identifier(name_); }

void DbfTable::save_as(const std::string& path) {
    std::vector<std::string> columns;
    for (const DbfField& f : fields_) columns.push_back(lower(f.name));
    Statement st = db_.prepare("SELECT " + dbf_select_list(columns) + " FROM " + table() + " ORDER BY rowid");
    DbfWriter out(path, fields_);
    append_query_rows(st, out);
    out.close();
}

std::string dbf_select_list(const std::vector<std::string>& columns) {
    std::string list;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        std::string c = quote_identifier(columns[i]);
        list += (i ? ", " : "") + c + ", typeof(" + c + ")";
    }
    return list;
}

void append_query_rows(Statement& query, DbfWriter& out) {
    int n = int(out.fields().size());
    while (query.step()) {
        for (int i = 0; i < n; ++i) {
            std::string type = query.text(2 * i + 1);
            if (type == "null")
                out.set_blank(i);
            else if (type == "integer")
                out.set(i, query.integer(2 * i));
            else if (type == "real")
                out.set(i, query.real(2 * i));
            else
                out.set(i, query.text(2 * i));
        }
        out.append();
    }
}

}  // namespace store
