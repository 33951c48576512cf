#pragma once
// Receiving one download file from a registry window's receive button: ask, stage the chosen
// file (unpacking an archive), check that it is a file of that kind for this unit, merge it.
// UI-free: questions and messages go through the prompter, progress through ui::Progress.
#include <functional>
#include <string>

#include "exchange/download_kinds.h"

namespace store {
class Database;
class DbfReader;
}
namespace core {
struct AppState;
}
namespace ui {
class Prompter;
class Progress;
}

namespace exchange {

struct MergeCounts {
    int rows = 0;
    int added = 0;
    int corrected = 0;
};

class DownloadReception {
public:
    DownloadReception(core::AppState& state, store::Database& db, ui::Prompter& prompter, ui::Progress& progress)
        : state_(state), db_(db), prompter_(prompter), progress_(progress) {}

    // The whole reception of one kind from `path`. `on_confirmed` runs once the user has said Yes.
    // True when the data was merged (the success message has been shown); false after a refusal
    // (its message shown, nothing changed).
    bool receive(DownloadKind kind, const std::string& path, const std::function<void()>& on_confirmed = {});

    // Steps without the question, for callers and tests that stage or check on their own.
    // Each returns false after showing its refusal.
    bool stage(DownloadKind kind, const std::string& path);
    bool validate(DownloadKind kind, const store::DbfReader& file);

    // Path of the reading copy of a kind in palvor_tables/.
    std::string reading_copy_path(DownloadKind kind) const;

private:
    bool refuse(const std::string& text, const char* caption, int icon);
    bool stage_file(DownloadKind kind, const std::string& path);

    core::AppState& state_;
    store::Database& db_;
    ui::Prompter& prompter_;
    ui::Progress& progress_;
};

}  // namespace exchange
