#include "core/disk_copy.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "core/messages.h"
#include "exchange/archiver.h"
#include "ui/prompter.h"
#include "ui/captions.h"

namespace core {

namespace fs = std::filesystem;

namespace {

bool write_all(int fd, const char* data, ssize_t n) {
    while (n > 0) {
        ssize_t w = ::write(fd, data, std::size_t(n));
        if (w < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += w;
        n -= w;
    }
    return true;
}

// Copies source to target through "<target>.part", synced before the rename.
bool copy_file_durably(const fs::path& source, const fs::path& target) {
    const fs::path part = target.string() + ".part";
    int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) return false;
    int out = ::open(part.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (out < 0) {
        ::close(in);
        return false;
    }
    bool ok = true;
    char buf[1 << 16];
    for (;;) {
        ssize_t r = ::read(in, buf, sizeof buf);
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) ok = false;
        if (r <= 0) break;
        if (!write_all(out, buf, r)) {
            ok = false;
            break;
        }
    }
    ok = ::fsync(out) == 0 && ok;
    ok = ::close(out) == 0 && ok;
    ::close(in);
    std::error_code ec;
    if (ok) {
        fs::rename(part, target, ec);
        ok = !ec;
    }
    if (!ok) {
        fs::remove(part, ec);
        return false;
    }
    int dir = ::open(target.parent_path().empty() ? "." : target.parent_path().c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

std::string lower_ascii(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return s;
}

}  // namespace

bool copy_with_confirm(ui::Prompter& prompter, const fs::path& source, const fs::path& target) {
    std::error_code ec;
    if (!fs::exists(source, ec)) {
        prompter.warn(ui::caption::kWarning,
                      std::string(msg::kSourceMissingPrefix) + source.string() + msg::kSourceMissingSuffix);
        return false;
    }
    if (fs::exists(target, ec) && !prompter.ask(ui::caption::kConfirm, msg::kConfirmOverwrite)) return false;
    if (!copy_file_durably(source, target)) {
        prompter.warn(ui::caption::kWarning, msg::kDiskWriteFailed);
        return false;
    }
    return true;
}

bool copy_arj_set(ui::Prompter& prompter, const fs::path& archive_path, const fs::path& target_dir) {
    const std::string archive = archive_path.string();
    if (archive.size() < 4 || lower_ascii(archive.substr(archive.size() - 4)) != ".arj") return false;
    const std::string name = archive_path.filename().string();
    const fs::path target_first = target_dir / (name.substr(0, name.size() - 4) + ".arj");
    if (!copy_with_confirm(prompter, archive_path, target_first)) return false;
    // Further volumes: .a01 ... .a99, then .100 on, as the archiver names them.
    for (int k = 1; k <= 999; ++k) {
        const fs::path source = exchange::volume_path(archive_path, k);
        std::error_code ec;
        if (!fs::exists(source, ec)) return true;
        if (!copy_with_confirm(prompter, source, exchange::volume_path(target_first, k))) return false;
    }
    return true;
}

std::string removable_media_dir() {
    std::string user;
    if (const char* u = std::getenv("USER"); u && *u) user = u;
    std::string home;
    if (const char* h = std::getenv("HOME"); h && *h) home = h;
    if (user.empty() || home.empty()) {
        if (const passwd* pw = ::getpwuid(::getuid())) {
            if (user.empty() && pw->pw_name) user = pw->pw_name;
            if (home.empty() && pw->pw_dir) home = pw->pw_dir;
        }
    }
    std::error_code ec;
    if (!user.empty())
        for (const char* base : {"/media/", "/run/media/"})
            if (fs::is_directory(std::string(base) + user, ec)) return std::string(base) + user;
    return home.empty() ? std::string("/") : home;
}

}  // namespace core
