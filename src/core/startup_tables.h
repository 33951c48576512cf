#pragma once
// The fifteen live tables the start-up sequence checks, creates and upgrades, in their fixed
// order, with the message of every step that can fail for them.
#include <string>
#include <vector>

namespace core {

struct StartupTable {
    std::string live;            // live table, e.g. "jbxx_xqxxk"
    std::string template_name;   // "sjk_jbxx_xqxxk"
    bool has_index;              // tables without a primary index have no ".px" check or copy
    std::string copy_db_failed;  // creating the live table from its template failed
    std::string copy_px_failed;  // creating its primary key failed
    std::string upgrade_failed;  // the layout still differs after the upgrade
};

struct TemplateCheck {
    std::string template_name;
    std::string missing_db;  // the template table does not exist
    std::string missing_px;  // it exists but has no primary key; empty for passwd
};

const std::vector<StartupTable>& startup_tables();
const std::vector<TemplateCheck>& template_checks();

}  // namespace core
