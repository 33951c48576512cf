#include "core/os_setting.h"

#include <filesystem>
#include <utility>
#include <vector>

#include "core/messages.h"
#include "ui/prompter.h"
#include "ui/captions.h"

namespace fs = std::filesystem;

namespace core {

bool set_operating_system(const std::string& dir, OsVariant variant, ui::Prompter& prompter) {
    auto stop = [&](const std::string& text) {
        prompter.error(ui::caption::kWarning, text);
        return false;
    };
    std::vector<std::pair<std::string, std::string>> copies;  // source -> target
    std::string done;
    switch (variant) {
        case OsVariant::Windows98:
            copies = {{"xcopy_98.exe", "xcopy.exe"}, {"xcopy32_98.exe", "xcopy32.exe"}, {"xcopy32_98.mod", "xcopy32.mod"}};
            done = "Windows 98 操作系统设置成功!";
            break;
        case OsVariant::Windows2000:
            copies = {{"xcopy_2000.exe", "xcopy.exe"}};
            done = "Windows 2000 操作系统设置成功!";
            break;
        case OsVariant::WindowsXP:
            copies = {{"xcopy_xp.exe", "xcopy.exe"}};
            done = "Windows XP 操作系统设置成功!";
            break;
    }
    const fs::path root(dir);
    for (const auto& [source, target] : copies)
        if (!fs::exists(root / source))
            return stop(std::string(msg::kFileMissingPrefix) + source + msg::kFileMissingSuffix);
    for (const char* old : {"xcopy.exe", "xcopy32.exe", "xcopy32.mod"}) {
        std::error_code ec;
        if (fs::exists(root / old) && !fs::remove(root / old, ec))
            return stop(std::string(msg::kDeleteFailedPrefix) + old + msg::kDeleteFailedSuffix);
    }
    for (const auto& [source, target] : copies) {
        std::error_code ec;
        fs::copy_file(root / source, root / target, fs::copy_options::overwrite_existing, ec);
        if (ec) return stop(std::string(msg::kCopyFailedPrefix) + target + msg::kCopyFailedSuffix);
    }
    prompter.inform(ui::caption::kInfo, done);
    return true;
}

}  // namespace core
