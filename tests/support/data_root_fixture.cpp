#include "support/data_root_fixture.h"

#include <stdexcept>

#include "core/installation.h"
#include "core/startup.h"

namespace testing_support {

DataRoot::DataRoot(bool start) {
    core::install_data_root(dir.str());
    state.set_directories(dir.str());
    if (start && !start_up()) throw std::runtime_error("start-up failed: " + prompter.last_text());
}

bool DataRoot::start_up() {
    return core::prepare_tables(state, db, prompter) && core::run_startup_sequence(state, db, prompter);
}

store::Database DataRoot::templates() const { return store::Database(state.templates_db_path(), false); }

}  // namespace testing_support
