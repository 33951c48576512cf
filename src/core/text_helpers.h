#pragma once
// Text cutting and key filters shared by the windows. Texts are UTF-8 and counted in characters
// (Unicode code points), so "小区" has two.
#include <string>
#include <string_view>

namespace core {

// Key codes the filters see besides typed characters.
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyBackspace = 8;

// The last n characters of s; n above the length gives all of s, n below 1 is taken as 1.
std::string right_part(std::string_view s, int n);
// The first n characters of s; n above the length gives all of s, n below 1 is taken as 1.
std::string left_part(std::string_view s, int n);
// The 1-based character position of the last occurrence of sub in s; 0 when there is none.
int last_pos(std::string_view s, std::string_view sub);
// The text up to and including the last backslash of path; empty when there is none.
std::string dir_part(std::string_view path);

// Key filters: `key` is the typed character's code point, kKeyEnter or kKeyBackspace.
// Digits, Enter and Backspace.
bool is_digit_key(int key);
// As is_digit_key, and "." while `text` (the field's content) has none yet.
bool is_decimal_key(std::string_view text, int key);

// Number of characters of a UTF-8 text (a stray byte counts as one).
int char_count(std::string_view s);

// The text without leading and trailing blanks (spaces and tabs), as entry fields are trimmed.
std::string trim(std::string_view s);

}  // namespace core
