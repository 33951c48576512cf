#pragma once
// The user table: login names with password digests.
#include <string_view>

namespace store {

// The digest stored for a password: over its GBK bytes from last to first, add
// byte * position * 256, folding back by 999999999. "" gives 0, "abc" gives 151040.
int password_digest(std::string_view utf8_password);

}  // namespace store
