#pragma once
// The fifteen live tables the start-up sequence checks, creates and upgrades, in their fixed
// order, with the message of every step that can fail for them.
#include <string>
#include <vector>

namespace core {

// The template of each comes from the catalogue (store::TableDef::template_name).
struct StartupTable {
    std::string live;            // live table, e.g. "jbxx_xqxxk"
    std::string copy_failed;     // creating the live table from its template failed
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
