#pragma once
// A field of a dBase III file: name, type, width and decimals.
#include <string>
#include <string_view>
#include <vector>

namespace store {

enum class DbfType : char { Character = 'C', Numeric = 'N', Float = 'F', Logical = 'L', Date = 'D' };

struct DbfField {
    std::string name;  // up to 10 characters, matched without regard to case
    DbfType type = DbfType::Character;
    int length = 1;    // bytes in a record
    int decimals = 0;  // N and F only

    static DbfField text(std::string name, int length) { return {std::move(name), DbfType::Character, length, 0}; }
    static DbfField number(std::string name, int length, int decimals = 0) {
        return {std::move(name), DbfType::Numeric, length, decimals};
    }
    static DbfField floating(std::string name, int length, int decimals) {
        return {std::move(name), DbfType::Float, length, decimals};
    }
    static DbfField date(std::string name) { return {std::move(name), DbfType::Date, 8, 0}; }
    static DbfField logical(std::string name) { return {std::move(name), DbfType::Logical, 1, 0}; }

    bool is_numeric() const { return type == DbfType::Numeric || type == DbfType::Float; }
    // "C(60)", "N(12,2)", "D": how messages name the layout.
    std::string layout() const;
    bool operator==(const DbfField&) const = default;
};

// True when two field names are the same without regard to case.
bool dbf_name_equal(std::string_view a, std::string_view b);
// Position of a field by name without regard to case; -1 when absent.
int dbf_field_index(const std::vector<DbfField>& fields, std::string_view name);
// Checks a layout before writing: 1 to 255 fields, valid unique names, widths that dBase accepts.
// Throws palvor::Error naming the first fault.
void check_dbf_layout(const std::vector<DbfField>& fields);

}  // namespace store
