#pragma once
// A freshly installed data root in a temporary directory, with the process-wide state pointed at it.
#include <string>

#include "core/app_state.h"
#include "store/sqlite.h"
#include "support/temp_dir.h"
#include "ui/scripted_prompter.h"

namespace testing_support {

struct DataRoot {
    TempDir dir;
    core::AppState state;
    store::Database db;
    ui::ScriptedPrompter prompter;

    // Installs the skeleton; with `start` also runs the creation steps and the start-up sequence.
    explicit DataRoot(bool start = true);
    // Creation steps and start-up sequence; false when either refused.
    bool start_up();
    // Opens the templates database (tests break it on purpose).
    store::Database templates() const;
};

}  // namespace testing_support
