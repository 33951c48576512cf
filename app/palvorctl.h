#pragma once
// The command-line companion: verbs share the services of the desktop program.
#include <memory>
#include <string>
#include <vector>

#include "core/app_state.h"
#include "store/sqlite.h"
#include "ui/prompter.h"

namespace ctl {

// Exit codes.
inline constexpr int kOk = 0;
inline constexpr int kRefused = 1;  // the Chinese message has been printed
inline constexpr int kUsage = 2;

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Context {
    std::string data_dir;  // --data, default the working directory
    bool assume_yes = false;
    std::unique_ptr<ui::Prompter> prompter;
    core::AppState state;
    store::Database db;

    // Opens the live database of an existing data root, without changing anything.
    void open_existing();
    // Runs the creation steps and the start-up sequence (no login); throws palvor::Error when
    // they refuse (their message has been printed).
    void open_ready();
};

struct Verb {
    const char* name;
    const char* usage;
    int (*run)(Context& ctx, std::vector<std::string>& args);
};

const std::vector<Verb>& verbs();

// Takes "--name VALUE" out of args; empty when absent. Throws UsageError when the value is missing.
std::string take_option(std::vector<std::string>& args, const std::string& name);
// Takes a flag "--name" out of args.
bool take_flag(std::vector<std::string>& args, const std::string& name);

}  // namespace ctl
