#include "ui/sql_value.h"

#include "store/sqlite.h"

namespace ui {

void bind_values(store::Statement& st, const SqlValues& values) {
    int index = 1;
    for (const auto& v : values) {
        if (std::holds_alternative<std::int64_t>(v))
            st.bind(index, std::get<std::int64_t>(v));
        else if (std::holds_alternative<double>(v))
            st.bind(index, std::get<double>(v));
        else if (std::holds_alternative<std::string>(v))
            st.bind(index, std::string_view(std::get<std::string>(v)));
        else
            st.bind_null(index);
        ++index;
    }
}

}  // namespace ui
