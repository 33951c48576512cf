#include "store/passwd.h"

#include <cstdint>
#include <string>

#include "store/gbk.h"

namespace store {

int password_digest(std::string_view utf8_password) {
    std::string bytes = gbk::from_utf8(utf8_password);
    std::int64_t sum = 0;
    for (std::size_t pos = bytes.size(); pos >= 1; --pos) {
        sum += std::int64_t(std::uint8_t(bytes[pos - 1])) * std::int64_t(pos) * 256;
        if (sum > 999999999) sum -= 999999999;
    }
    return int(sum);
}

}  // namespace store
