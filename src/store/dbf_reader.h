#pragma once
// Reading dBase III files (C, N, F, L and D fields, GBK text). The whole file is read and checked
// when it is opened, so a damaged file is refused at once with a clear message and no value is
// ever read from outside the file. Text comes out as UTF-8.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/dbf_field.h"

namespace store {

class DbfReader;

// One record of an open file; valid while its reader lives and is not moved. Fields are given by
// position (0-based) or by name (without regard to case). A blank number reads as 0, a blank text
// or date as "".
// A value that cannot be read throws palvor::Error naming the file, record and field.
class DbfRow {
public:
    int number() const { return number_; }  // 1-based record number in the file
    bool deleted() const { return data_[0] == '*'; }

    std::string text(int field) const;  // C: trailing blanks cut; N/F: the number; D: "yyyy-mm-dd"
    std::int64_t integer(int field) const;
    double real(int field) const;
    std::string date(int field) const;  // "yyyy-mm-dd" or ""
    bool boolean(int field) const;
    bool is_blank(int field) const;
    std::string_view raw(int field) const;  // the stored bytes

    std::string text(std::string_view name) const { return text(index(name)); }
    std::int64_t integer(std::string_view name) const { return integer(index(name)); }
    double real(std::string_view name) const { return real(index(name)); }
    std::string date(std::string_view name) const { return date(index(name)); }
    bool boolean(std::string_view name) const { return boolean(index(name)); }
    bool is_blank(std::string_view name) const { return is_blank(index(name)); }

private:
    friend class DbfReader;
    DbfRow(const DbfReader* reader, const char* data, int number) : reader_(reader), data_(data), number_(number) {}
    int index(std::string_view name) const;
    const DbfField& field(int i) const;
    [[noreturn]] void bad(int field, const std::string& what) const;

    const DbfReader* reader_;
    const char* data_;
    int number_;
};

class DbfReader {
public:
    // Reads and checks the file; throws palvor::Error when it cannot be read or is damaged.
    explicit DbfReader(const std::string& path);
    // The same for bytes already in memory; `name` stands for the file in messages.
    static DbfReader from_bytes(std::string bytes, const std::string& name);

    const std::string& path() const { return path_; }
    int field_count() const { return int(fields_.size()); }
    const std::vector<DbfField>& fields() const { return fields_; }
    const DbfField& field(int index) const { return fields_.at(std::size_t(index)); }
    int field_index(std::string_view name) const { return dbf_field_index(fields_, name); }
    // As field_index, but an absent field throws palvor::Error naming it.
    int require_field(std::string_view name) const;

    std::uint8_t language_driver() const { return language_driver_; }  // 0x7A, 0x4D, 0: all read as GBK
    std::string last_update() const;                                      // "yyyy-mm-dd" from the header

    int record_count() const { return record_count_; }         // deleted records included
    int row_count() const { return int(live_.size()); }         // records not deleted
    DbfRow row(int index) const;                                // index-th record not deleted
    DbfRow record(int index) const;                             // index-th record, deleted or not

    // Iterates the records that are not deleted.
    class iterator {
    public:
        using value_type = DbfRow;
        using difference_type = std::ptrdiff_t;
        DbfRow operator*() const { return reader_->row(i_); }
        iterator& operator++() {
            ++i_;
            return *this;
        }
        bool operator==(const iterator& o) const { return i_ == o.i_; }
        bool operator!=(const iterator& o) const { return i_ != o.i_; }

    private:
        friend class DbfReader;
        iterator(const DbfReader* r, int i) : reader_(r), i_(i) {}
        const DbfReader* reader_;
        int i_;
    };
    iterator begin() const { return iterator(this, 0); }
    iterator end() const { return iterator(this, row_count()); }

private:
    friend class DbfRow;
    DbfReader() = default;
    void parse();
    [[noreturn]] void damaged(const std::string& what) const;

    std::string path_;
    std::string bytes_;
    std::vector<DbfField> fields_;
    std::vector<int> offsets_;  // of each field within a record
    std::vector<int> live_;     // record indexes not deleted
    std::size_t header_length_ = 0;
    std::size_t record_length_ = 0;
    int record_count_ = 0;
    std::uint8_t language_driver_ = 0;
};

}  // namespace store
