#pragma once
// Copying and deleting directory trees in-process, waited for and checked. Failures are thrown
// as palvor::Error with Chinese text.
#include <filesystem>

namespace exchange {

// Copies every file and subdirectory of `source` into `target` (created when missing),
// overwriting files of the same name.
void copy_tree(const std::filesystem::path& source, const std::filesystem::path& target);
// Deletes a directory tree; a missing directory is nothing to do.
void remove_tree(const std::filesystem::path& directory);

}  // namespace exchange
