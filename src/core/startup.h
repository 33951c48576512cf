#pragma once
// What the program does before anyone can work: make every live table exist with the layout of
// this version, add the default records, apply the data correction. UI-free: every message goes
// through the prompter.
namespace store {
class Database;
}
namespace ui {
class Prompter;
}

namespace core {

struct AppState;

// At window creation: opens the live database into `db` (creating palvor_tables/ when missing),
// makes sure the unit table and the user table exist, loads the unit identity. False after the
// failure has been shown.
bool prepare_tables(AppState& state, store::Database& db, ui::Prompter& prompter);

// The start-up sequence after the main window first shows: template check, missing live tables,
// table upgrade with default records, the building-type correction. False after the failure has
// been shown; tables already done stay as they are.
bool run_startup_sequence(AppState& state, store::Database& db, ui::Prompter& prompter);

// Adds the default users "SYSTEM" and "USER" where missing (exact name match).
void add_default_users(store::Database& db);
// Adds the unit record to jbxx_dwdjk or jbxx_dwxxk when that table has no rows.
void add_unit_record(store::Database& db, const char* table);

}  // namespace core
