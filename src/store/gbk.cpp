#include "store/gbk.h"

#include <iconv.h>
#include <sqlite3.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>
#include <vector>

#include "store/errors.h"

namespace gbk {
namespace {

// Code point <-> GBK tables built once from iconv, so conversions and comparisons need no
// allocation and no iconv call per character.
struct Tables {
    std::vector<std::uint16_t> encode;  // code point (BMP) -> GBK code, 0 when none
    std::vector<std::uint16_t> decode;  // (lead << 8 | trail) -> code point, 0 when invalid
};

const Tables& tables() {
    static std::unique_ptr<Tables> t;
    static std::once_flag once;
    std::call_once(once, [] {
        auto tab = std::make_unique<Tables>();
        tab->encode.assign(0x10000, 0);
        tab->decode.assign(0x10000, 0);
        iconv_t cd = iconv_open("GBK", "UTF-32LE");
        for (std::uint32_t cp = 0x80; cp < 0x10000; ++cp) {
            if (cp >= 0xD800 && cp < 0xE000) continue;
            char in[4] = {char(cp & 0xff), char((cp >> 8) & 0xff), 0, 0};
            char out[8];
            char* ip = in;
            char* op = out;
            size_t il = 4, ol = sizeof out;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            if (iconv(cd, &ip, &il, &op, &ol) == size_t(-1)) continue;
            if (op - out == 2) {
                auto code = std::uint16_t((std::uint8_t(out[0]) << 8) | std::uint8_t(out[1]));
                tab->encode[cp] = code;
                if (tab->decode[code] == 0) tab->decode[code] = std::uint16_t(cp);
            } else if (op - out == 1 && std::uint8_t(out[0]) >= 0x80) {
                // single-byte euro sign of code page 936
                tab->encode[cp] = std::uint8_t(out[0]);
            }
        }
        iconv_close(cd);
        t = std::move(tab);
    });
    return *t;
}

// Decodes one UTF-8 character; returns its length (at least 1). Invalid bytes give U+FFFD.
std::size_t next_code_point(std::string_view s, std::size_t i, std::uint32_t& cp) {
    auto c = std::uint8_t(s[i]);
    std::size_t len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (len == 0 || i + len > s.size()) {
        cp = 0xFFFD;
        return 1;
    }
    cp = len == 1 ? c : len == 2 ? (c & 0x1f) : len == 3 ? (c & 0x0f) : (c & 0x07);
    for (std::size_t k = 1; k < len; ++k) cp = (cp << 6) | (std::uint8_t(s[i + k]) & 0x3f);
    return len;
}

// GBK code of a code point: 1 byte (< 0x80), 2 bytes, or 0 when GBK has no such character.
std::uint16_t encode_cp(std::uint32_t cp) {
    if (cp < 0x80) return std::uint16_t(cp);
    if (cp >= 0x10000) return 0;
    return tables().encode[cp];
}

void append_utf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3f));
    } else {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3f));
        out += char(0x80 | (cp & 0x3f));
    }
}

int collate(void*, int la, const void* a, int lb, const void* b) {
    return compare(std::string_view(static_cast<const char*>(a), std::size_t(la)),
                   std::string_view(static_cast<const char*>(b), std::size_t(lb)));
}

}  // namespace

std::string from_utf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        std::uint32_t cp;
        i += next_code_point(utf8, i, cp);
        std::uint16_t code = encode_cp(cp);
        if (cp < 0x80) {
            out += char(cp);
        } else if (code == 0) {
            out += '?';
        } else if (code < 0x100) {
            out += char(code);
        } else {
            out += char(code >> 8);
            out += char(code & 0xff);
        }
    }
    return out;
}

bool try_to_utf8(std::string_view bytes, std::string& out) {
    out.clear();
    out.reserve(bytes.size() * 3 / 2);
    const auto& dec = tables().decode;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        auto c = std::uint8_t(bytes[i]);
        if (c < 0x80) {
            out += char(c);
            continue;
        }
        if (c == 0x80) {  // euro sign in code page 936
            append_utf8(out, 0x20AC);
            continue;
        }
        if (i + 1 >= bytes.size()) return false;
        auto code = std::uint16_t((c << 8) | std::uint8_t(bytes[i + 1]));
        std::uint16_t cp = dec[code];
        if (cp == 0) return false;
        append_utf8(out, cp);
        ++i;
    }
    return true;
}

std::string to_utf8(std::string_view bytes) {
    std::string out;
    if (!try_to_utf8(bytes, out)) throw palvor::Error("文本不是有效的GBK编码！");
    return out;
}

std::size_t byte_length(std::string_view utf8) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        std::uint32_t cp;
        i += next_code_point(utf8, i, cp);
        std::uint16_t code = encode_cp(cp);
        n += (cp < 0x80 || (code != 0 && code < 0x100)) ? 1 : code == 0 ? 1 : 2;
    }
    return n;
}

std::string cut(std::string_view utf8, std::size_t max_bytes) {
    std::size_t n = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        std::uint32_t cp;
        std::size_t len = next_code_point(utf8, i, cp);
        std::uint16_t code = encode_cp(cp);
        std::size_t w = (cp < 0x80 || code == 0 || code < 0x100) ? 1 : 2;
        if (n + w > max_bytes) break;
        n += w;
        i += len;
    }
    return std::string(utf8.substr(0, i));
}

int compare(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        auto ca = std::uint8_t(a[i]), cb = std::uint8_t(b[j]);
        if (ca < 0x80 && cb < 0x80) {  // fast path for ASCII
            if (ca != cb) return ca < cb ? -1 : 1;
            ++i, ++j;
            continue;
        }
        std::uint32_t pa, pb;
        i += next_code_point(a, i, pa);
        j += next_code_point(b, j, pb);
        // Compare as GBK byte sequences: a lead byte >= 0x81 sorts after every ASCII byte.
        std::uint32_t ka = pa < 0x80 ? pa << 8 : encode_cp(pa);
        std::uint32_t kb = pb < 0x80 ? pb << 8 : encode_cp(pb);
        if (ka == 0) ka = 0xFFFF;  // characters outside GBK sort last
        if (kb == 0) kb = 0xFFFF;
        if (ka < 0x100 && pa >= 0x80) ka <<= 8;
        if (kb < 0x100 && pb >= 0x80) kb <<= 8;
        if (ka != kb) return ka < kb ? -1 : 1;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}

void register_collation(sqlite3* db) {
    sqlite3_create_collation(db, "GBK", SQLITE_UTF8, nullptr, collate);
}

}  // namespace gbk
