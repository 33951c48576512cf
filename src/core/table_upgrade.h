#pragma once
// Creating live tables from their templates and upgrading a live table to its template's layout.
// The templates database is attached to the live connection as schema "tpl".
#include <functional>
#include <string>

namespace store {
class Database;
}

namespace core {

inline constexpr const char* kTemplateSchema = "tpl";

// Creates dst_schema.dst with the columns, types, defaults and key of src_schema.src.
void create_table_like(store::Database& db, const std::string& src_schema, const std::string& src,
                       const std::string& dst_schema, const std::string& dst);

enum class UpgradeResult { Unchanged, Upgraded, Downgrade };

// Upgrades live table `live` to the layout of template `tmpl`: empties the template, calls
// `before_compare` (default records), and, when the column counts differ, rebuilds the live table
// with its rows moved by column position and refreshes the blank copy under the live name in the
// templates database. The rebuild runs in one transaction: a refused row move throws and leaves
// the live table as it was. A live table with more columns than its template is left untouched.
UpgradeResult upgrade_table(store::Database& db, const std::string& live, const std::string& tmpl,
                            const std::function<void()>& before_compare = {});

}  // namespace core
