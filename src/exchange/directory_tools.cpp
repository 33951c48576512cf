#include "exchange/directory_tools.h"

#include <string>
#include <system_error>

#include "exchange/messages.h"
#include "store/errors.h"

namespace exchange {

namespace fs = std::filesystem;

void copy_tree(const fs::path& source, const fs::path& target) {
    auto fail = [&](const std::string& detail) {
        throw palvor::Error(std::string(msg::kCopyTreeFailed) + source.string() + " -> " + target.string() +
                            (detail.empty() ? std::string() : "（" + detail + "）"));
    };
    std::error_code ec;
    if (!fs::is_directory(source, ec)) fail(std::string(msg::kDirectoryMissing) + source.string());
    // A target inside the source would copy itself without end.
    const fs::path src = fs::weakly_canonical(source, ec), dst = fs::weakly_canonical(target, ec);
    const fs::path rel = dst.lexically_relative(src);
    if (!rel.empty() && *rel.begin() != "..") fail({});
    fs::create_directories(target, ec);
    if (ec || !fs::is_directory(target)) fail(std::string(msg::kCannotCreateDirectory) + target.string());
    fs::copy(source, target, fs::copy_options::recursive | fs::copy_options::overwrite_existing, ec);
    if (ec) fail(ec.message());
}

void remove_tree(const fs::path& directory) {
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(directory, ec))) return;
    fs::remove_all(directory, ec);
    if (ec || fs::exists(fs::symlink_status(directory)))
        throw palvor::Error(std::string(msg::kRemoveTreeFailed) + directory.string() +
                            (ec ? "（" + ec.message() + "）" : std::string()));
}

}  // namespace exchange
