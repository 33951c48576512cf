#pragma once
// GBK text: the program keeps text as UTF-8 and converts at the file boundary. Ordering of
// Chinese text follows GBK bytes, which gives pinyin order for the common characters.
#include <cstddef>
#include <string>
#include <string_view>

struct sqlite3;

namespace gbk {

// UTF-8 to GBK bytes. A character GBK cannot hold becomes '?'.
std::string from_utf8(std::string_view utf8);
// GBK bytes to UTF-8. Throws palvor::Error on bytes that are not valid GBK.
std::string to_utf8(std::string_view bytes);
// As to_utf8, but reports failure instead of throwing.
bool try_to_utf8(std::string_view bytes, std::string& out);

// Length in GBK bytes of a UTF-8 text.
std::size_t byte_length(std::string_view utf8);
// The longest prefix of a UTF-8 text whose GBK form fits in max_bytes; never splits a character.
std::string cut(std::string_view utf8, std::size_t max_bytes);

// Compares two UTF-8 texts by their GBK bytes (<0, 0, >0).
int compare(std::string_view a, std::string_view b);

// Registers the collation "GBK" on a connection (every connection of the program gets it).
void register_collation(sqlite3* db);

}  // namespace gbk
