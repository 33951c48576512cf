#pragma once
// A value bound to a query parameter by position: ?1, ?2, ... in the order given.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace store {
class Statement;
}

namespace ui {

using SqlValue = std::variant<std::monostate, std::int64_t, double, std::string>;
using SqlValues = std::vector<SqlValue>;

// Binds values to parameters 1, 2, ... (monostate binds null).
void bind_values(store::Statement& st, const SqlValues& values);

}  // namespace ui
