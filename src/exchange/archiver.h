#pragma once
// Multi-volume ARJ archives through Debian's arj program. arj is run with an argument list (no
// shell), with stdin closed and every question answered, and waited for; its exit status and the
// files it should have made are checked. Failures are thrown as palvor::Error with Chinese text.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace exchange {

namespace fs = std::filesystem;

// The largest volume the centre's floppies take.
inline constexpr std::uintmax_t kVolumeLimit = 1440 * 1024;

// The words for an arj exit status (0 gives an empty text).
std::string arj_exit_reason(int exit_code);

// Volume k of the set whose first volume is `archive` ("x.arj"): k = 0 is the archive itself,
// 1..99 end in ".a01".."a99", 100..999 in ".100"..".999" (as arj names them). The letters before
// the number keep the case of the archive's extension ("X.ARJ" -> "X.A01").
fs::path volume_path(const fs::path& archive, int k);
// The volumes of a set that exist, from the archive on, stopping at the first gap.
std::vector<fs::path> existing_volumes(const fs::path& archive);
// True when the name ends in ".arj", in any letter case.
bool has_arj_extension(const fs::path& path);

class Archiver {
public:
    // `data_root`: where an arj program is looked for first (then PATH).
    explicit Archiver(const fs::path& data_root, std::chrono::seconds timeout = std::chrono::minutes(30));

    // The arj program found, or empty.
    const fs::path& program() const { return program_; }
    bool available() const { return !program_.empty(); }

    // Packs files, stored under their bare names, into archive (ending in ".arj") and further
    // volumes of at most 1440 KB. An older set of the same name is removed first. Returns the
    // volumes in order.
    std::vector<fs::path> pack_files(const fs::path& archive, const std::vector<fs::path>& files) const;
    // Packs a directory tree; stored paths begin with the directory's own name ("palvor_tables/...").
    std::vector<fs::path> pack_tree(const fs::path& archive, const fs::path& directory) const;

    // Extracts all volumes of a set into target_dir (created when missing), overwriting:
    // flat without stored paths ("arj e"), or with them ("arj x"). Each name in `expected` must
    // exist in target_dir afterwards.
    void extract_flat(const fs::path& archive, const fs::path& target_dir,
                      const std::vector<std::string>& expected = {}) const;
    void extract_with_paths(const fs::path& archive, const fs::path& target_dir,
                            const std::vector<std::string>& expected = {}) const;

private:
    std::vector<fs::path> pack(const fs::path& archive, const std::vector<std::string>& inputs,
                               const fs::path& working_dir, bool recursive) const;
    void extract(const char* command, const fs::path& archive, const fs::path& target_dir,
                 const std::vector<std::string>& expected) const;
    // Runs arj; returns normally only on exit status 0. `what` starts the error text.
    void run(const std::vector<std::string>& args, const fs::path& working_dir, const std::string& what) const;

    fs::path program_;
    std::chrono::seconds timeout_;
};

}  // namespace exchange
