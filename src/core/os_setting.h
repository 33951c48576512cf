#pragma once
// "设置操作系统": swaps the copy-tool files in the data root for the chosen system's variant.
#include <string>

namespace ui {
class Prompter;
}

namespace core {

enum class OsVariant { Windows98, Windows2000, WindowsXP };

// Runs the command in `dir`; every failure shows its message and stops. True on success.
bool set_operating_system(const std::string& dir, OsVariant variant, ui::Prompter& prompter);

}  // namespace core
