#include "store/dbf_reader.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "core/format.h"
#include "store/dbf_values.h"
#include "store/errors.h"
#include "store/gbk.h"
#include "store/messages.h"

namespace store {

using dbf_value::Parsed;

namespace {

std::uint32_t u16(const std::string& b, std::size_t at) {
    return std::uint32_t(std::uint8_t(b[at])) | std::uint32_t(std::uint8_t(b[at + 1])) << 8;
}

std::uint32_t u32(const std::string& b, std::size_t at) { return u16(b, at) | u16(b, at + 2) << 16; }

// Stored bytes as a message can show them: GBK text, or hex when they are not text.
std::string shown(std::string_view raw) {
    std::string out;
    if (gbk::try_to_utf8(raw, out)) {
        bool printable = true;
        for (char c : out) printable = printable && std::uint8_t(c) >= 0x20;
        if (printable) return out;
    }
    out.clear();
    for (char c : raw) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "%s0x%02X", out.empty() ? "" : " ", unsigned(std::uint8_t(c)));
        out += hex;
    }
    return out;
}

std::string read_whole_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw palvor::Error(msg::dbf_cannot_open(path, std::strerror(errno)));
    in.seekg(0, std::ios::end);
    auto size = in.tellg();
    if (size < 0) throw palvor::Error(msg::dbf_cannot_open(path, std::strerror(errno)));
    std::string bytes(std::size_t(size), '\0');
    in.seekg(0);
    if (!in.read(bytes.data(), size)) throw palvor::Error(msg::dbf_cannot_open(path, std::strerror(errno)));
    return bytes;
}

}  // namespace

DbfReader::DbfReader(const std::string& path) : path_(path), bytes_(read_whole_file(path)) { parse(); }

DbfReader DbfReader::from_bytes(std::string bytes, const std::string& name) {
    DbfReader r;
    r.path_ = name;
    r.bytes_ = std::move(bytes);
    r.parse();
    return r;
}

void DbfReader::damaged(const std::string& what) const { throw palvor::Error(msg::dbf_damaged(path_, what)); }

void DbfReader::parse() {
    const std::string& b = bytes_;
    if (b.size() < 32) damaged(msg::dbf_header_short);
    std::size_t stated_records = u32(b, 4);
    header_length_ = u16(b, 8);
    record_length_ = u16(b, 10);
    language_driver_ = std::uint8_t(b[29]);
    if (header_length_ > b.size()) damaged(msg::dbf_header_too_long);

    // Field descriptors follow the 32-byte header, 32 bytes each, up to the 0x0D terminator.
    std::size_t pos = 32;
    std::size_t data_width = 0;
    for (;;) {
        if (pos >= header_length_) damaged(msg::dbf_no_terminator);
        if (b[pos] == '\x0D') break;
        if (pos + 32 > header_length_) damaged(msg::dbf_no_terminator);
        if (fields_.size() == 255) damaged(msg::dbf_too_many_fields);
        int position = int(fields_.size()) + 1;
        std::string_view raw_name(b.data() + pos, 11);
        raw_name = dbf_value::trim(raw_name.substr(0, std::min(raw_name.find('\0'), raw_name.size())));
        std::string name;
        if (raw_name.empty() || !gbk::try_to_utf8(raw_name, name)) damaged(msg::dbf_bad_field_name(position));
        for (char& c : name)
            if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
        if (dbf_field_index(fields_, name) >= 0) damaged(msg::dbf_duplicate_field(name));

        char type = b[pos + 11];
        int length = std::uint8_t(b[pos + 16]);
        int decimals = std::uint8_t(b[pos + 17]);
        if (type != 'C' && type != 'N' && type != 'F' && type != 'L' && type != 'D') {
            damaged(msg::dbf_unknown_type(name, shown(std::string_view(&type, 1))));
        }
        bool width_ok = length >= 1 && (type != 'D' || length == 8) && (type != 'L' || length == 1);
        if (!width_ok) damaged(msg::dbf_bad_field_width(name, length));
        if (type != 'N' && type != 'F') decimals = 0;
        fields_.push_back({name, DbfType(type), length, decimals});
        offsets_.push_back(int(1 + data_width));
        data_width += std::size_t(length);
        pos += 32;
    }
    if (fields_.empty()) damaged(msg::dbf_no_fields);
    if (record_length_ < 1 + data_width) damaged(msg::dbf_bad_record_length);

    // Every record the header counts must be in the file; a short file has lost rows.
    std::size_t room = (b.size() - header_length_) / record_length_;
    if (stated_records > room) damaged(msg::dbf_records_missing((long long)stated_records, (long long)room));
    record_count_ = int(stated_records);  // bounded by the file size, which fits in memory
    live_.reserve(stated_records);
    for (std::size_t i = 0; i < stated_records; ++i)
        if (b[header_length_ + i * record_length_] != '*') live_.push_back(int(i));
}

int DbfReader::require_field(std::string_view name) const {
    int i = field_index(name);
    if (i < 0) throw palvor::Error(msg::dbf_no_such_field(path_, std::string(name)));
    return i;
}

std::string DbfReader::last_update() const {
    int year = 1900 + std::uint8_t(bytes_[1]);
    return palvor::date_text(year, std::uint8_t(bytes_[2]), std::uint8_t(bytes_[3]));
}

DbfRow DbfReader::record(int index) const {
    if (index < 0 || index >= record_count_) throw std::out_of_range("dbf record index");
    return DbfRow(this, bytes_.data() + header_length_ + std::size_t(index) * record_length_, index + 1);
}

DbfRow DbfReader::row(int index) const {
    if (index < 0 || index >= row_count()) throw std::out_of_range("dbf row index");
    return record(live_[std::size_t(index)]);
}

// ---- DbfRow ----

int DbfRow::index(std::string_view name) const { return reader_->require_field(name); }

const DbfField& DbfRow::field(int i) const {
    if (i < 0 || i >= reader_->field_count())
        throw palvor::Error(msg::dbf_no_such_field(reader_->path_, "#" + std::to_string(i + 1)));
    return reader_->fields_[std::size_t(i)];
}

void DbfRow::bad(int i, const std::string& what) const {
    throw palvor::Error(msg::dbf_bad_value(reader_->path_, number_, field(i).name, what));
}

std::string_view DbfRow::raw(int i) const {
    const DbfField& f = field(i);
    return std::string_view(data_ + reader_->offsets_[std::size_t(i)], std::size_t(f.length));
}

bool DbfRow::is_blank(int i) const { return dbf_value::trim(raw(i)).empty(); }

std::string DbfRow::text(int i) const {
    std::string_view r = raw(i);
    switch (field(i).type) {
        case DbfType::Character: {
            std::string out;
            if (!gbk::try_to_utf8(dbf_value::trim_right(r), out)) bad(i, msg::dbf_not_gbk);
            return out;
        }
        case DbfType::Numeric:
        case DbfType::Float: {
            if (is_blank(i)) return {};
            std::int64_t n;
            if (dbf_value::parse_integer(r, n) == Parsed::Value) return std::to_string(n);
            return palvor::format_general(real(i));
        }
        case DbfType::Date:
            return date(i);
        case DbfType::Logical:
            return std::string(dbf_value::trim(r));
    }
    return {};
}

std::int64_t DbfRow::integer(int i) const {
    std::string_view r = raw(i);
    if (field(i).type == DbfType::Date) bad(i, msg::dbf_not_integer(shown(dbf_value::trim(r))));
    std::int64_t n = 0;
    Parsed p = dbf_value::parse_integer(r, n);
    if (p != Parsed::Bad) return n;
    switch (field(i).type) {
        case DbfType::Numeric:
        case DbfType::Float: {
            double v = real(i);
            if (std::fabs(v) >= 9.2e18) bad(i, msg::dbf_not_integer(std::string(dbf_value::trim(r))));
            return std::llround(v);
        }
        case DbfType::Logical:
            return boolean(i) ? 1 : 0;
        default:
            bad(i, msg::dbf_not_integer(text(i)));
    }
}

double DbfRow::real(int i) const {
    const DbfField& f = field(i);
    if (f.type == DbfType::Logical) return boolean(i) ? 1.0 : 0.0;
    double v = 0;
    std::string_view r = raw(i);
    if (f.type != DbfType::Date && dbf_value::parse_number(r, v) != Parsed::Bad) return v;
    bad(i, msg::dbf_not_number(shown(dbf_value::trim(r))));
}

std::string DbfRow::date(int i) const {
    std::string_view r = raw(i);
    std::string bytes;
    if (field(i).type == DbfType::Character) {
        // A date kept in a text field, as "yyyy-mm-dd" or "yyyymmdd".
        if (!dbf_value::date_bytes(text(i), bytes)) bad(i, msg::dbf_not_date(shown(dbf_value::trim(r))));
        r = bytes;
    }
    std::string out;
    if ((field(i).type != DbfType::Date && field(i).type != DbfType::Character) ||
        dbf_value::parse_date(r, out) == Parsed::Bad)
        bad(i, msg::dbf_not_date(shown(dbf_value::trim(r))));
    return out;
}

bool DbfRow::boolean(int i) const {
    std::string_view r = raw(i);
    switch (field(i).type) {
        case DbfType::Logical: {
            bool v = false;
            if (dbf_value::parse_logical(r, v) == Parsed::Bad) bad(i, msg::dbf_not_logical(shown(r)));
            return v;
        }
        case DbfType::Numeric:
        case DbfType::Float:
            return real(i) != 0;
        case DbfType::Character: {
            std::string t = text(i);
            return t == "T" || t == "t" || t == "Y" || t == "y" || t == "1" || t == "是";
        }
        default:
            bad(i, msg::dbf_not_logical(shown(dbf_value::trim(r))));
    }
}

}  // namespace store
