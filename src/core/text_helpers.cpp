#include "core/text_helpers.h"

#include <vector>

namespace core {
namespace {

// Byte offsets where each character starts, plus the end. A byte that cannot start a valid
// sequence is a character of its own, so no text is ever cut inside a character.
std::vector<std::size_t> char_starts(std::string_view s) {
    std::vector<std::size_t> starts;
    std::size_t i = 0;
    while (i < s.size()) {
        starts.push_back(i);
        unsigned char c = static_cast<unsigned char>(s[i]);
        std::size_t len = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
        if (i + len > s.size()) len = 1;
        for (std::size_t k = 1; k < len; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) {
                len = 1;
                break;
            }
        i += len;
    }
    starts.push_back(s.size());
    return starts;
}

}  // namespace

int char_count(std::string_view s) { return int(char_starts(s).size()) - 1; }

std::string right_part(std::string_view s, int n) {
    auto starts = char_starts(s);
    int count = int(starts.size()) - 1;
    if (n < 1) n = 1;
    if (n >= count) return std::string(s);
    return std::string(s.substr(starts[std::size_t(count - n)]));
}

std::string left_part(std::string_view s, int n) {
    auto starts = char_starts(s);
    int count = int(starts.size()) - 1;
    if (n < 1) n = 1;
    if (n >= count) return std::string(s);
    return std::string(s.substr(0, starts[std::size_t(n)]));
}

int last_pos(std::string_view s, std::string_view sub) {
    if (sub.empty() || sub.size() > s.size()) return 0;
    auto starts = char_starts(s);
    // Search backwards over character starts only, so a match never begins inside a character.
    for (std::size_t k = starts.size() - 1; k-- > 0;)
        if (s.compare(starts[k], sub.size(), sub) == 0) return int(k) + 1;
    return 0;
}

std::string dir_part(std::string_view path) {
    std::size_t p = path.rfind('\\');
    return p == std::string_view::npos ? std::string() : std::string(path.substr(0, p + 1));
}

bool is_digit_key(int key) { return (key >= '0' && key <= '9') || key == kKeyEnter || key == kKeyBackspace; }

bool is_decimal_key(std::string_view text, int key) {
    if (is_digit_key(key)) return true;
    return key == '.' && text.find('.') == std::string_view::npos;
}

std::string trim(std::string_view s) {
    auto b = s.find_first_not_of(" \t");
    if (b == std::string_view::npos) return "";
    auto e = s.find_last_not_of(" \t");
    return std::string(s.substr(b, e - b + 1));
}

}  // namespace core
