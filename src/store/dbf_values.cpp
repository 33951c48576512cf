#include "store/dbf_values.h"

#include <charconv>
#include <cmath>

#include "core/format.h"

namespace store::dbf_value {
namespace {

bool blank(char c) { return c == ' ' || c == '\0'; }
bool digit(char c) { return c >= '0' && c <= '9'; }

int two(std::string_view s, std::size_t at) { return (s[at] - '0') * 10 + (s[at + 1] - '0'); }

bool valid_date(int year, int month, int day) {
    static const int days[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > days[month - 1]) return false;
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return !(month == 2 && day == 29 && !leap);
}

}  // namespace

std::string_view trim(std::string_view raw) {
    std::size_t b = 0, e = raw.size();
    while (b < e && blank(raw[b])) ++b;
    while (e > b && blank(raw[e - 1])) --e;
    return raw.substr(b, e - b);
}

std::string_view trim_right(std::string_view raw) {
    std::size_t e = raw.size();
    while (e > 0 && blank(raw[e - 1])) --e;
    return raw.substr(0, e);
}

Parsed parse_number(std::string_view raw, double& out) {
    std::string_view s = trim(raw);
    if (s.empty()) return Parsed::Blank;
    if (s[0] == '+') s.remove_prefix(1);
    bool any_digit = false;
    for (char c : s) {
        if (digit(c)) {
            any_digit = true;
        } else if (c != '.' && c != '-' && c != '+' && c != 'e' && c != 'E') {
            return Parsed::Bad;  // also keeps out "inf", "nan" and hex
        }
    }
    if (!any_digit) return Parsed::Bad;
    double v = 0;
    auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size() || !std::isfinite(v)) return Parsed::Bad;
    out = v;
    return Parsed::Value;
}

Parsed parse_integer(std::string_view raw, std::int64_t& out) {
    std::string_view s = trim(raw);
    if (s.empty()) return Parsed::Blank;
    if (s[0] == '+') s.remove_prefix(1);
    std::int64_t v = 0;
    auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size()) return Parsed::Bad;
    out = v;
    return Parsed::Value;
}

Parsed parse_date(std::string_view raw, std::string& out) {
    std::string_view s = trim(raw);
    if (s.find_first_not_of('0') == std::string_view::npos) return Parsed::Blank;
    if (s.size() != 8) return Parsed::Bad;
    for (char c : s)
        if (!digit(c)) return Parsed::Bad;
    int year = two(s, 0) * 100 + two(s, 2);
    if (!valid_date(year, two(s, 4), two(s, 6))) return Parsed::Bad;
    out.assign(s.substr(0, 4)).append("-").append(s.substr(4, 2)).append("-").append(s.substr(6, 2));
    return Parsed::Value;
}

Parsed parse_logical(std::string_view raw, bool& out) {
    std::string_view s = trim(raw);
    if (s.empty() || s == "?") return Parsed::Blank;
    if (s.size() != 1) return Parsed::Bad;
    switch (s[0]) {
        case 'T': case 't': case 'Y': case 'y':
            out = true;
            return Parsed::Value;
        case 'F': case 'f': case 'N': case 'n':
            out = false;
            return Parsed::Value;
        default:
            return Parsed::Bad;
    }
}

std::string number_text(double value, int decimals) { return palvor::format_fixed(value, decimals); }

std::string number_text(std::int64_t value, int decimals) {
    std::string s = std::to_string(value);
    if (decimals > 0) s += "." + std::string(std::size_t(decimals), '0');
    return s;
}

bool date_bytes(std::string_view text, std::string& out) {
    std::string_view s = trim(text);
    if (s.empty()) {
        out.assign(8, ' ');
        return true;
    }
    std::string digits;
    if (palvor::is_date_text(s)) {
        digits.assign(s.substr(0, 4)).append(s.substr(5, 2)).append(s.substr(8, 2));
    } else if (s.size() == 8) {
        digits.assign(s);
    } else {
        return false;
    }
    std::string check;
    if (parse_date(digits, check) != Parsed::Value) return false;
    out = digits;
    return true;
}

}  // namespace store::dbf_value
