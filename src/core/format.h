#pragma once
// Numbers and dates as the program shows and stores them. Money is a double; what the user sees
// is the 15-significant-digit decimal of it, rounded half away from zero where two decimals show.
#include <string>
#include <string_view>

namespace palvor {

// General format: the shortest text with up to 15 significant digits, a point, no grouping.
std::string format_general(double value);
// Fixed decimals ("0.00" is decimals = 2), rounding the 15-digit decimal half away from zero:
// 100.125 -> "100.13", 2.675 -> "2.68", -0.005 -> "-0.01".
std::string format_fixed(double value, int decimals);
inline std::string format_money(double value) { return format_fixed(value, 2); }
// The value rounded as format_fixed rounds it (money totals: 10.004 + 20.004 -> 30.01).
double round_to(double value, int decimals);
inline double round2(double value) { return round_to(value, 2); }
// Parses a number typed by a user or read from a file ("", blanks -> false).
bool parse_number(std::string_view text, double& out);

// Today as "yyyy-mm-dd".
std::string today_text();
// True for a ten-character "yyyy-mm-dd" text with digits in the right places.
bool is_date_text(std::string_view text);
// year, month, day -> "yyyy-mm-dd" (year as many digits as it has, month and day two).
std::string date_text(int year, int month, int day);

}  // namespace palvor
