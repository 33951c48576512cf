#pragma once
// Writing dBase III files: GBK text, language driver 0x7A (code page 936), today's date as the
// last update, the 0x1A end marker. The file is written beside its target and put in place by
// close(), so an existing file is never left half-written: without close() (an error on the way)
// the target stays as it was.
//
//   store::DbfWriter out(path, {DbfField::text("xqmc", 60), DbfField::number("ye", 16, 2),
//                               DbfField::date("jzrq")});
//   out.set("xqmc", "阳光小区").set("ye", 2.675).set("jzrq", "2024-05-01");
//   out.append();  // fields not set stay blank
//   out.close();
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "store/dbf_field.h"

namespace store {

class DbfWriter {
public:
    // Checks the layout (check_dbf_layout) and creates the temporary file; throws palvor::Error.
    DbfWriter(std::string path, std::vector<DbfField> fields);
    ~DbfWriter();
    DbfWriter(const DbfWriter&) = delete;
    DbfWriter& operator=(const DbfWriter&) = delete;

    const std::string& path() const { return path_; }
    const std::vector<DbfField>& fields() const { return fields_; }
    int field_index(std::string_view name) const { return dbf_field_index(fields_, name); }
    int rows_written() const { return rows_; }

    // Values of the next row, converted to the field's type:
    // C: UTF-8 text cut at a GBK character boundary to the width; numbers in the general format.
    // N, F: right-aligned with the field's decimals (2.675 in N(12,2) is "2.68"); a text is parsed
    //       as a number; a value that does not fit throws palvor::Error naming field and value.
    // D: "yyyy-mm-dd" (or "yyyymmdd"); "" leaves the date blank.
    // L: true/false; numbers are true when not 0; texts T/Y/1/是 are true.
    DbfWriter& set(int field, std::string_view text);
    DbfWriter& set(int field, const char* text) { return set(field, std::string_view(text)); }
    DbfWriter& set(int field, const std::string& text) { return set(field, std::string_view(text)); }
    DbfWriter& set(int field, double value);
    DbfWriter& set(int field, std::int64_t value);
    DbfWriter& set(int field, int value) { return set(field, std::int64_t(value)); }
    DbfWriter& set(int field, bool value);
    DbfWriter& set_blank(int field);
    // The same by field name, without regard to case; an unknown name throws palvor::Error.
    template <class T>
    DbfWriter& set(std::string_view name, T&& value) {
        return set(require(name), std::forward<T>(value));
    }
    DbfWriter& set_blank(std::string_view name) { return set_blank(require(name)); }

    // Writes the row and blanks every field for the next one.
    void append();
    // Writes the header with the row count, the end marker, and puts the file in place.
    void close();

private:
    int require(std::string_view name) const;
    template <class T>
    DbfWriter& set_number(int field, T value, const std::string& shown);
    char* slot(int field);
    void put_number(int field, const std::string& digits, const std::string& shown);
    void write(const char* data, std::size_t size);
    std::string header() const;
    void discard();

    std::string path_;
    std::string temp_path_;
    std::vector<DbfField> fields_;
    std::vector<int> offsets_;
    std::string record_;
    std::string buffer_;  // records waiting to be written
    std::FILE* file_ = nullptr;
    int rows_ = 0;
};

}  // namespace store
