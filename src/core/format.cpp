#include "core/format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

namespace palvor {
namespace {

// The value as sign, 15 significant digits and a decimal exponent: value = 0.d1d2...d15 * 10^exp.
struct Decimal {
    bool negative = false;
    std::string digits;  // 15 digits, first non-zero unless the value is 0
    int exponent = 0;
};

Decimal to_decimal(double value) {
    Decimal d;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", value);
    const char* p = buf;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') d.digits += *p;
    int e = *p == 'e' ? std::atoi(p + 1) : 0;
    d.exponent = e + 1;
    if (d.digits.find_first_not_of('0') == std::string::npos) {
        d.negative = false;
        d.exponent = 1;
    }
    return d;
}

}  // namespace

std::string format_general(double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", value);
    std::string s = buf;
    if (s == "-0") s = "0";
    return s;
}

std::string format_fixed(double value, int decimals) {
    if (!std::isfinite(value)) return format_general(value);
    Decimal d = to_decimal(value);
    // Integer digits followed by fraction digits, padded so that position `keep` exists.
    std::string all = d.digits;
    int int_len = d.exponent;  // digits before the point
    if (int_len <= 0) {
        all.insert(0, std::string(std::size_t(-int_len) + 1, '0'));
        int_len = 1;
    }
    std::size_t keep = std::size_t(int_len + decimals);
    if (all.size() < keep + 1) all.append(keep + 1 - all.size(), '0');
    bool round_up = all[keep] >= '5';
    all.resize(keep);
    if (round_up) {
        int i = int(keep) - 1;
        for (; i >= 0; --i) {
            if (all[std::size_t(i)] == '9') {
                all[std::size_t(i)] = '0';
            } else {
                ++all[std::size_t(i)];
                break;
            }
        }
        if (i < 0) {
            all.insert(0, "1");
            ++int_len;
        }
    }
    std::string int_part = all.substr(0, std::size_t(int_len));
    std::string frac = all.substr(std::size_t(int_len));
    auto nz = int_part.find_first_not_of('0');
    int_part = nz == std::string::npos ? "0" : int_part.substr(nz);
    bool zero = int_part == "0" && frac.find_first_not_of('0') == std::string::npos;
    std::string out = (d.negative && !zero) ? "-" : "";
    out += int_part;
    if (decimals > 0) out += "." + frac;
    return out;
}

double round_to(double value, int decimals) { return std::strtod(format_fixed(value, decimals).c_str(), nullptr); }

bool parse_number(std::string_view text, double& out) {
    std::string s(text);
    auto b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return false;
    auto e = s.find_last_not_of(" \t");
    s = s.substr(b, e - b + 1);
    char* end = nullptr;
    double v = std::strtod(s.c_str(), &end);
    if (end != s.c_str() + s.size() || !std::isfinite(v)) return false;
    // strtod accepts hex and "inf"/"nan"; a user's number is plain decimal.
    for (char c : s)
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E')) return false;
    out = v;
    return true;
}

std::string today_text() {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return date_text(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);
}

bool is_date_text(std::string_view s) {
    if (s.size() != 10 || s[4] != '-' || s[7] != '-') return false;
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (s[std::size_t(i)] < '0' || s[std::size_t(i)] > '9') return false;
    return true;
}

std::string date_text(int year, int month, int day) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d-%02d-%02d", year, month, day);
    return buf;
}

}  // namespace palvor
