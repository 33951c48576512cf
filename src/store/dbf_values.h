#pragma once
// Field values of a dBase record as stored bytes: parsing on read, encoding on write. Shared by
// the reader and the writer so that both agree on every format.
#include <cstdint>
#include <string>
#include <string_view>

namespace store::dbf_value {

// Blanks (spaces and NULs, which some writers pad with) cut from the ends.
std::string_view trim(std::string_view raw);
std::string_view trim_right(std::string_view raw);

enum class Parsed { Blank, Value, Bad };

// Decimal number as written in N and F fields (sign, digits, point, exponent).
Parsed parse_number(std::string_view raw, double& out);
// Whole number only ("12", "-3"); a fraction or exponent gives Bad.
Parsed parse_integer(std::string_view raw, std::int64_t& out);
// "yyyymmdd" -> "yyyy-mm-dd"; blanks and "00000000" are Blank.
Parsed parse_date(std::string_view raw, std::string& out);
// T/t/Y/y and F/f/N/n; "?" and blank are Blank.
Parsed parse_logical(std::string_view raw, bool& out);

// The digits of a number with fixed decimals, rounded as the program rounds money.
std::string number_text(double value, int decimals);
std::string number_text(std::int64_t value, int decimals);
// "yyyy-mm-dd" or "yyyymmdd" -> 8 bytes "yyyymmdd"; "" -> 8 blanks. False when not a date.
bool date_bytes(std::string_view text, std::string& out);

}  // namespace store::dbf_value
