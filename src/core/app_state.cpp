#include "core/app_state.h"

#include <filesystem>

#include "store/sqlite.h"

namespace core {

void AppState::set_directories(const std::string& working_dir) {
    start_dir = working_dir;
    bool has_separator = !working_dir.empty() && working_dir.back() == '/';
    data_root = has_separator ? working_dir : working_dir + "/";
    tables_dir = data_root + "palvor_tables/";
    emptydb_dir = data_root + "palvor_emptydb/";
}

std::string AppState::tables_db_path() const { return tables_dir + "palvor.sqlite3"; }
std::string AppState::templates_db_path() const { return emptydb_dir + "templates.sqlite3"; }

void load_unit_identity(AppState& state, store::Database& db) {
    static const char* flags[] = {"sbxzbz_dwdj", "sbxzbz_dwkh", "sbxzbz_xqxx", "sbxzbz_zxx",
                                  "sbxzbz_hxx",  "sbxzbz_zhxx", "sbxzbz_ywls"};
    const char* combined = "0";
    {
        auto st = db.prepare("SELECT * FROM jbxx_dwxxk");
        if (st.step()) {
            state.unit_dwdjh = st.text("dwdjh");
            state.unit_dwmc = st.text("dwmc");
            state.unit_khyhjhh = st.text("khyhjhh");
            state.unit_yhzh = st.text("yhzh");
            state.unit_jbjgbh = st.text("jbjgbh");
            bool all = true;
            for (const char* f : flags) all = all && st.text(f) == "1";
            combined = all ? "1" : "0";
        } else {
            state.unit_dwdjh.clear();
            state.unit_dwmc.clear();
            state.unit_khyhjhh.clear();
            state.unit_yhzh.clear();
            state.unit_jbjgbh.clear();
        }
    }
    db.prepare("UPDATE jbxx_dwxxk SET sbxzbz = ?1").bind(1, std::string_view(combined)).run();
    state.received_all = true;
}

}  // namespace core
