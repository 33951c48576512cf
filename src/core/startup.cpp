#include "core/startup.h"

#include <filesystem>

#include "core/app_state.h"
#include "core/messages.h"
#include "core/startup_tables.h"
#include "core/table_upgrade.h"
#include "store/catalogue.h"
#include "store/sqlite.h"
#include "ui/prompter.h"
#include "ui/captions.h"

namespace fs = std::filesystem;

namespace core {
namespace {

// Shows a failure of the sequence; the caller ends the program.
bool fail(ui::Prompter& p, const char* caption, const std::string& text,
          ui::Icon icon = ui::Icon::Information) {
    p.inform(caption, text, icon);
    return false;
}

// Attaches the templates database for the length of a scope.
class TemplatesAttached {
public:
    TemplatesAttached(store::Database& db, const std::string& path) : db_(db) {
        db_.prepare(std::string("ATTACH DATABASE ?1 AS ") + kTemplateSchema).bind(1, path).run();
    }
    ~TemplatesAttached() {
        try {
            db_.exec(std::string("DETACH DATABASE ") + kTemplateSchema);
        } catch (...) {
        }
    }

private:
    store::Database& db_;
};

bool templates_present(const AppState& state) { return fs::exists(state.templates_db_path()); }

// Creates a live table from a table of the templates database; false when that is impossible.
bool copy_from_templates(store::Database& db, const AppState& state, const std::string& source,
                         const std::string& live) {
    if (!templates_present(state)) return false;
    TemplatesAttached tpl(db, state.templates_db_path());
    if (!db.table_exists(source, kTemplateSchema)) return false;
    create_table_like(db, kTemplateSchema, source, "main", live);
    return true;
}

}  // namespace

void add_unit_record(store::Database& db, const char* table) {
    if (db.scalar_int(std::string("SELECT EXISTS (SELECT 1 FROM ") + table + ")")) return;
    // An old unit registration table may not have the document flags yet.
    bool flags = false;
    if (std::string(table) == "jbxx_dwdjk")
        for (const auto& c : db.columns(table)) flags = flags || c.name == "dwzl6";
    std::string sql = std::string("INSERT INTO ") + table + " (dwdjh, dwmc" +
                      (flags ? ", dwzl1, dwzl2, dwzl3, dwzl4, dwzl5, dwzl6" : "") + ") VALUES (?1, ?2" +
                      (flags ? ", 0, 0, 0, 0, 0, 0" : "") + ")";
    db.prepare(sql).bind(1, "000001").bind(2, "Qorvane").run();
}

void add_default_users(store::Database& db) {
    auto exists = db.prepare("SELECT 1 FROM passwd WHERE nameid = ?1");
    auto insert = db.prepare("INSERT INTO passwd (nameid, passwd, name) VALUES (?1, 0, ?2)");
    for (auto [nameid, name] : {std::pair{"SYSTEM", "SYSTEM"}, std::pair{"USER", ""}}) {
        exists.reset();
        exists.bind(1, nameid);
        if (exists.step()) continue;
        insert.reset();
        insert.bind(1, nameid).bind(2, name).run();
    }
}

bool prepare_tables(AppState& state, store::Database& db, ui::Prompter& prompter) {
    try {
        std::error_code ec;
        fs::create_directories(state.tables_dir, ec);
        db = store::Database(state.tables_db_path());
        db.exec("PRAGMA journal_mode=WAL");
        if (!db.table_exists("jbxx_dwxxk") &&
            !copy_from_templates(db, state, "sjk_jbxx_dwxxk", "jbxx_dwxxk"))
            return fail(prompter, ui::caption::kWarning, msg::kCopyUnitTableFailed);
        if (!db.table_exists("passwd") && !copy_from_templates(db, state, "passwd", "passwd"))
            return fail(prompter, ui::caption::kWarning, msg::kCopyUserTableFailed);
        load_unit_identity(state, db);
        state.login_name.clear();
        return true;
    } catch (const std::exception& e) {
        return fail(prompter, ui::caption::kError, e.what(), ui::Icon::Error);
    }
}

bool run_startup_sequence(AppState& state, store::Database& db, ui::Prompter& prompter) {
    try {
        // 1. Template check.
        if (!templates_present(state))
            return fail(prompter, ui::caption::kInfo, template_checks().front().missing_db);
        TemplatesAttached tpl(db, state.templates_db_path());
        for (const auto& check : template_checks()) {
            auto cols = db.columns(check.template_name, kTemplateSchema);
            if (cols.empty()) return fail(prompter, ui::caption::kInfo, check.missing_db);
            bool keyed = false;
            for (const auto& c : cols) keyed = keyed || c.pk_order > 0;
            if (!check.missing_px.empty() && !keyed) return fail(prompter, ui::caption::kInfo, check.missing_px);
        }

        // 2. Missing live tables.
        for (const auto& t : startup_tables()) {
            if (db.table_exists(t.live)) continue;
            try {
                create_table_like(db, kTemplateSchema, store::table(t.live).template_name, "main", t.live);
            } catch (const store::DbError&) {
                return fail(prompter, ui::caption::kWarning, t.copy_failed);
            }
        }

        // 3. Upgrade, default records, layout check.
        for (const auto& t : startup_tables()) {
            std::function<void()> defaults;
            if (t.live == "jbxx_dwdjk" || t.live == "jbxx_dwxxk")
                defaults = [&db, &t] { add_unit_record(db, t.live.c_str()); };
            const std::string& tmpl = store::table(t.live).template_name;
            UpgradeResult r = upgrade_table(db, t.live, tmpl, defaults);
            if (r == UpgradeResult::Downgrade) {
                std::string title = t.upgrade_failed.substr(0, t.upgrade_failed.find("升级失败"));
                return fail(prompter, ui::caption::kInfo, title + msg::kDowngradeRefused);
            }
            if (t.live == "passwd") add_default_users(db);
            if (db.columns(t.live).size() != db.columns(tmpl, kTemplateSchema).size())
                return fail(prompter, ui::caption::kInfo, t.upgrade_failed);
        }

        // 4. The building type 低层 no longer exists.
        db.exec("UPDATE jbxx_zxxk SET zlx = '多层' WHERE zlx = '低层'");
        return true;
    } catch (const std::exception& e) {
        return fail(prompter, ui::caption::kError, e.what(), ui::Icon::Error);
    }
}

}  // namespace core
