#include "store/dbf_field.h"

#include <strings.h>

#include "store/errors.h"
#include "store/messages.h"

namespace store {

std::string DbfField::layout() const {
    std::string t(1, char(type));
    if (type == DbfType::Date || type == DbfType::Logical) return t;
    if (is_numeric()) return t + "(" + std::to_string(length) + "," + std::to_string(decimals) + ")";
    return t + "(" + std::to_string(length) + ")";
}

bool dbf_name_equal(std::string_view a, std::string_view b) {
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

int dbf_field_index(const std::vector<DbfField>& fields, std::string_view name) {
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (dbf_name_equal(fields[i].name, name)) return int(i);
    return -1;
}

namespace {

bool valid_name(const std::string& n) {
    if (n.empty() || n.size() > 10) return false;
    auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    if (!letter(n[0])) return false;
    for (char c : n)
        if (!letter(c) && !(c >= '0' && c <= '9') && c != '_') return false;
    return true;
}

bool valid_width(const DbfField& f) {
    switch (f.type) {
        case DbfType::Character:
            return f.length >= 1 && f.length <= 254 && f.decimals == 0;
        case DbfType::Numeric:
        case DbfType::Float:
            // dBase itself stops at 20 digits; wider ones other programs wrote are kept as they are.
            return f.length >= 1 && f.length <= 254 && f.decimals >= 0 && f.decimals <= 15 &&
                   (f.decimals == 0 || f.decimals <= f.length - 2);
        case DbfType::Date:
            return f.length == 8 && f.decimals == 0;
        case DbfType::Logical:
            return f.length == 1 && f.decimals == 0;
    }
    return false;
}

}  // namespace

void check_dbf_layout(const std::vector<DbfField>& fields) {
    if (fields.empty() || fields.size() > 255) throw palvor::Error(msg::dbf_layout_count(int(fields.size())));
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const DbfField& f = fields[i];
        if (!valid_name(f.name)) throw palvor::Error(msg::dbf_layout_name(f.name));
        if (!valid_width(f)) throw palvor::Error(msg::dbf_layout_width(f.name));
        for (std::size_t j = 0; j < i; ++j)
            if (dbf_name_equal(fields[j].name, f.name)) throw palvor::Error(msg::dbf_layout_duplicate(f.name));
    }
}

}  // namespace store
