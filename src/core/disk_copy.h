#pragma once
// Copying files and archive sets to removable disks, asking before anything is overwritten.
#include <filesystem>
#include <string>

namespace ui {
class Prompter;
}

namespace core {

// Copies one file, asking "确认" before it overwrites the target. The copy goes to a temporary
// name, is flushed to the disk and then renamed, so a full or pulled disk never leaves a cut
// file under the target's name. False (after its message) when the source is missing, the user
// says No or the write fails.
bool copy_with_confirm(ui::Prompter& prompter, const std::filesystem::path& source,
                       const std::filesystem::path& target);

// Copies an archive set "x.arj" with its further volumes (x.a01, x.a02, ...) into target_dir.
// False when the name does not end in ".arj" (any case) or a copy fails.
bool copy_arj_set(ui::Prompter& prompter, const std::filesystem::path& archive_path,
                  const std::filesystem::path& target_dir);

// Where removable disks appear: /media/$USER or /run/media/$USER when it exists, else home.
std::string removable_media_dir();

}  // namespace core
