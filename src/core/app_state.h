#pragma once
// The process-wide values every window and service shares: where the data lives, who the unit is,
// who is logged in, and how the main window may close. One instance lives for the whole run.
#include <string>

namespace store {
class Database;
}

namespace core {

struct AppState {
    // Directories. The data root is the working directory at start; paths are built with
    // std::filesystem from these, never by pasting separators.
    std::string start_dir;    // the working directory as the system returned it
    std::string data_root;    // start_dir with one trailing '/'
    std::string tables_dir;   // data_root + "palvor_tables/"
    std::string emptydb_dir;  // data_root + "palvor_emptydb/"

    // Unit identity (load_unit_identity).
    std::string unit_dwdjh;
    std::string unit_dwmc;
    std::string unit_khyhjhh;
    std::string unit_yhzh;
    std::string unit_jbjgbh;
    bool received_all = false;

    // Login.
    std::string login_nameid;
    std::string login_name;
    bool is_system_user = false;

    // Closing the main window.
    bool confirm_exit = false;
    bool exit_without_confirm = false;
    bool main_window_activated = false;

    // Last directory chosen in the choose-target-disk dialog, without a trailing separator.
    std::string xzcp_dir;

    // Sets the directories from a working directory (start_dir, data_root, tables_dir, emptydb_dir).
    void set_directories(const std::string& working_dir);
    // Paths of the live and template databases.
    std::string tables_db_path() const;
    std::string templates_db_path() const;
};

// Reloads the unit identity from jbxx_dwxxk, writes the combined received flag back into sbxzbz
// and sets received_all.
void load_unit_identity(AppState& state, store::Database& db);

}  // namespace core
