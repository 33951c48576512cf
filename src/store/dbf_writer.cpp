#include "store/dbf_writer.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <limits>

#include "core/format.h"
#include "store/dbf_values.h"
#include "store/errors.h"
#include "store/gbk.h"
#include "store/messages.h"

namespace store {

using dbf_value::Parsed;

namespace {

constexpr std::uint8_t kLanguageDriverGbk = 0x7A;  // code page 936
constexpr std::size_t kFlushSize = 1 << 20;

void put_u16(std::string& b, std::size_t at, std::uint32_t v) {
    b[at] = char(v & 0xff);
    b[at + 1] = char((v >> 8) & 0xff);
}

void put_u32(std::string& b, std::size_t at, std::uint32_t v) {
    put_u16(b, at, v & 0xffff);
    put_u16(b, at + 2, v >> 16);
}

}  // namespace

DbfWriter::DbfWriter(std::string path, std::vector<DbfField> fields)
    : path_(std::move(path)), temp_path_(path_ + ".part"), fields_(std::move(fields)) {
    check_dbf_layout(fields_);
    int width = 1;  // the deletion flag
    for (const DbfField& f : fields_) {
        offsets_.push_back(width);
        width += f.length;
    }
    if (width > 0xffff) throw palvor::Error(msg::dbf_layout_width(fields_.back().name));
    record_.assign(std::size_t(width), ' ');
    file_ = std::fopen(temp_path_.c_str(), "wb");
    if (!file_) throw palvor::Error(msg::dbf_write_failed(path_, std::strerror(errno)));
    buffer_ = header();
}

DbfWriter::~DbfWriter() { discard(); }

void DbfWriter::discard() {
    if (!file_) return;
    std::fclose(file_);
    file_ = nullptr;
    std::error_code ec;
    std::filesystem::remove(temp_path_, ec);
}

int DbfWriter::require(std::string_view name) const {
    int i = field_index(name);
    if (i < 0) throw palvor::Error(msg::dbf_write_no_field(std::string(name)));
    return i;
}

char* DbfWriter::slot(int field) {
    if (field < 0 || field >= int(fields_.size()))
        throw palvor::Error(msg::dbf_write_no_field("#" + std::to_string(field + 1)));
    return record_.data() + offsets_[std::size_t(field)];
}

DbfWriter& DbfWriter::set_blank(int field) {
    char* p = slot(field);
    std::memset(p, ' ', std::size_t(fields_[std::size_t(field)].length));
    return *this;
}

void DbfWriter::put_number(int field, const std::string& digits, const std::string& shown) {
    const DbfField& f = fields_[std::size_t(field)];
    if (digits.size() > std::size_t(f.length))
        throw palvor::Error(msg::dbf_value_too_wide(f.name, shown, f.layout()));
    char* p = slot(field);
    std::size_t pad = std::size_t(f.length) - digits.size();
    std::memset(p, ' ', pad);
    std::memcpy(p + pad, digits.data(), digits.size());
}

DbfWriter& DbfWriter::set(int field, std::string_view text) {
    char* p = slot(field);
    const DbfField& f = fields_[std::size_t(field)];
    switch (f.type) {
        case DbfType::Character: {
            std::string bytes = gbk::from_utf8(gbk::cut(text, std::size_t(f.length)));
            set_blank(field);
            std::memcpy(p, bytes.data(), std::min(bytes.size(), std::size_t(f.length)));
            break;
        }
        case DbfType::Numeric:
        case DbfType::Float: {
            std::int64_t n = 0;
            double v = 0;
            std::string shown(dbf_value::trim(text));
            if (shown.empty()) {
                set_blank(field);
            } else if (dbf_value::parse_integer(text, n) == Parsed::Value) {
                put_number(field, dbf_value::number_text(n, f.decimals), shown);
            } else if (dbf_value::parse_number(text, v) == Parsed::Value) {
                put_number(field, dbf_value::number_text(v, f.decimals), shown);
            } else {
                throw palvor::Error(msg::dbf_write_not_number(f.name, shown));
            }
            break;
        }
        case DbfType::Date: {
            std::string bytes;
            if (!dbf_value::date_bytes(text, bytes))
                throw palvor::Error(msg::dbf_write_not_date(f.name, std::string(text)));
            std::memcpy(p, bytes.data(), 8);
            break;
        }
        case DbfType::Logical: {
            std::string_view t = dbf_value::trim(text);
            if (t.empty() || t == "?")
                *p = ' ';
            else if (t == "T" || t == "t" || t == "Y" || t == "y" || t == "1" || t == "是")
                *p = 'T';
            else if (t == "F" || t == "f" || t == "N" || t == "n" || t == "0" || t == "否")
                *p = 'F';
            else
                throw palvor::Error(msg::dbf_write_not_logical(f.name, std::string(text)));
            break;
        }
    }
    return *this;
}

// A number into a field of any type: C gets its text, N/F the formatted digits, L true when not 0.
template <class T>
DbfWriter& DbfWriter::set_number(int field, T value, const std::string& shown) {
    char* p = slot(field);
    const DbfField& f = fields_[std::size_t(field)];
    switch (f.type) {
        case DbfType::Character:
            return set(field, shown);
        case DbfType::Numeric:
        case DbfType::Float:
            put_number(field, dbf_value::number_text(value, f.decimals), shown);
            break;
        case DbfType::Date:
            throw palvor::Error(msg::dbf_write_field_type(f.name));
        case DbfType::Logical:
            *p = value != 0 ? 'T' : 'F';
            break;
    }
    return *this;
}

DbfWriter& DbfWriter::set(int field, double value) {
    slot(field);  // an unknown field is reported before the value
    if (!std::isfinite(value))
        throw palvor::Error(msg::dbf_write_not_number(fields_[std::size_t(field)].name, palvor::format_general(value)));
    return set_number(field, value, palvor::format_general(value));
}

DbfWriter& DbfWriter::set(int field, std::int64_t value) { return set_number(field, value, std::to_string(value)); }

DbfWriter& DbfWriter::set(int field, bool value) {
    char* p = slot(field);
    const DbfField& f = fields_[std::size_t(field)];
    if (f.type == DbfType::Logical) {
        *p = value ? 'T' : 'F';
        return *this;
    }
    if (f.type == DbfType::Character) return set(field, value ? "T" : "F");
    return set(field, std::int64_t(value ? 1 : 0));
}

void DbfWriter::append() {
    if (!file_) throw palvor::Error(msg::dbf_write_failed(path_, "文件已关闭"));
    if (rows_ == std::numeric_limits<int>::max()) throw palvor::Error(msg::dbf_too_many_rows(path_));
    buffer_ += record_;
    ++rows_;
    std::memset(record_.data() + 1, ' ', record_.size() - 1);
    if (buffer_.size() >= kFlushSize) {
        write(buffer_.data(), buffer_.size());
        buffer_.clear();
    }
}

void DbfWriter::write(const char* data, std::size_t size) {
    if (std::fwrite(data, 1, size, file_) != size) {
        std::string why = std::strerror(errno);
        discard();
        throw palvor::Error(msg::dbf_write_failed(path_, why));
    }
}

std::string DbfWriter::header() const {
    std::string h(32 + 32 * fields_.size() + 1, '\0');
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    h[0] = 0x03;  // dBase III without memo
    h[1] = char(tm.tm_year);  // years since 1900
    h[2] = char(tm.tm_mon + 1);
    h[3] = char(tm.tm_mday);
    put_u32(h, 4, std::uint32_t(rows_));
    put_u16(h, 8, std::uint32_t(h.size()));
    put_u16(h, 10, std::uint32_t(record_.size()));
    h[29] = char(kLanguageDriverGbk);
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const DbfField& f = fields_[i];
        std::size_t at = 32 + 32 * i;
        for (std::size_t k = 0; k < f.name.size(); ++k) {
            char c = f.name[k];
            h[at + k] = (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
        }
        h[at + 11] = char(f.type);
        h[at + 16] = char(f.length);
        h[at + 17] = char(f.decimals);
    }
    h.back() = '\x0D';
    return h;
}

void DbfWriter::close() {
    if (!file_) throw palvor::Error(msg::dbf_write_failed(path_, "文件已关闭"));
    buffer_ += '\x1A';
    write(buffer_.data(), buffer_.size());
    buffer_.clear();
    std::string h = header();
    if (std::fseek(file_, 0, SEEK_SET) != 0) {
        std::string why = std::strerror(errno);
        discard();
        throw palvor::Error(msg::dbf_write_failed(path_, why));
    }
    write(h.data(), h.size());
    bool ok = std::fflush(file_) == 0;
    std::string why = std::strerror(errno);
    ok = std::fclose(file_) == 0 && ok;
    file_ = nullptr;
    std::error_code ec;
    if (ok) std::filesystem::rename(temp_path_, path_, ec);
    if (!ok || ec) {
        if (ec) why = ec.message();
        std::filesystem::remove(temp_path_, ec);
        throw palvor::Error(msg::dbf_write_failed(path_, why));
    }
}

}  // namespace store
