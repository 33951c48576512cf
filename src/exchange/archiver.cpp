#include "exchange/archiver.h"

#include <unistd.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QStringList>

#include <cstdio>
#include <system_error>

#include "exchange/messages.h"
#include "store/errors.h"

namespace exchange {
namespace {

QString qpath(const fs::path& p) { return QString::fromStdString(p.string()); }

bool is_executable_file(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec) && ::access(p.c_str(), X_OK) == 0;
}

[[noreturn]] void fail(const std::string& text) { throw palvor::Error(text); }

std::string lower_ascii(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return s;
}

fs::path absolute_of(const fs::path& p) {
    std::error_code ec;
    fs::path a = fs::absolute(p, ec);
    return (ec ? p : a).lexically_normal();
}

// Removes every volume of an older set of the same name, gaps included, so that arj starts a
// fresh set and no stale higher volume is taken for part of the new one.
void remove_old_set(const fs::path& archive) {
    for (int k = 0; k <= 999; ++k) {
        const fs::path v = volume_path(archive, k);
        std::error_code ec;
        if (!fs::exists(fs::symlink_status(v, ec))) continue;
        if (!fs::remove(v, ec) || ec) fail(std::string(msg::kCannotClearOldSet) + v.string());
    }
}

void make_directory(const fs::path& dir) {
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec || !fs::is_directory(dir)) fail(std::string(msg::kCannotCreateDirectory) + dir.string());
}

}  // namespace

std::string arj_exit_reason(int exit_code) {
    switch (exit_code) {
        case 0: return {};
        case 1: return msg::kArjWarning;
        case 2: return msg::kArjFatal;
        case 3: return msg::kArjCrc;
        case 4: return msg::kArjSecurity;
        case 5: return msg::kArjDiskFull;
        case 6: return msg::kArjCannotOpen;
        case 7: return msg::kArjUserError;
        case 8: return msg::kArjNoMemory;
        case 9: return msg::kArjNotArchive;
        case 10: return msg::kArjXms;
        case 11: return msg::kArjBreak;
        case 12: return msg::kArjChapters;
        default: return msg::kArjOther;
    }
}

bool has_arj_extension(const fs::path& path) { return lower_ascii(path.extension().string()) == ".arj"; }

fs::path volume_path(const fs::path& archive, int k) {
    if (k <= 0) return archive;
    std::string s = archive.string();
    char digits[16];
    if (k <= 99) {
        std::snprintf(digits, sizeof digits, "%02d", k);
        return s.substr(0, s.size() >= 2 ? s.size() - 2 : 0) + digits;  // "x.arj" -> "x.a" + NN
    }
    std::snprintf(digits, sizeof digits, "%03d", k);
    return s.substr(0, s.size() >= 3 ? s.size() - 3 : 0) + digits;  // "x.arj" -> "x." + NNN
}

std::vector<fs::path> existing_volumes(const fs::path& archive) {
    std::vector<fs::path> out;
    for (int k = 0; k <= 999; ++k) {
        fs::path v = volume_path(archive, k);
        std::error_code ec;
        if (!fs::is_regular_file(v, ec)) break;
        out.push_back(v);
    }
    return out;
}

Archiver::Archiver(const fs::path& data_root, std::chrono::seconds timeout) : timeout_(timeout) {
    if (!data_root.empty() && is_executable_file(data_root / "arj")) {
        program_ = absolute_of(data_root / "arj");
    } else {
        QString found = QStandardPaths::findExecutable(QStringLiteral("arj"));
        if (!found.isEmpty()) program_ = found.toStdString();
    }
}

void Archiver::run(const std::vector<std::string>& args, const fs::path& working_dir, const std::string& what) const {
    if (!available()) fail(what + msg::kArjNotFound);
    QStringList qargs;
    for (const auto& a : args) qargs << QString::fromStdString(a);

    QProcess process;
    process.setProgram(qpath(program_));
    process.setArguments(qargs);
    process.setWorkingDirectory(qpath(working_dir));
    // No keyboard: a question arj should not ask reads end of file and fails instead of hanging.
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("ARJ_SW"));  // a user's default switches must not change our archives
    process.setProcessEnvironment(env);

    process.start();
    if (!process.waitForStarted(30000)) fail(what + msg::kArjCannotStart);
    const long long ms = static_cast<long long>(timeout_.count()) * 1000;
    if (!process.waitForFinished(ms > 2147483647 ? 2147483647 : int(ms))) {
        process.kill();
        process.waitForFinished(10000);
        fail(what + msg::kArjTimedOut);
    }
    if (process.exitStatus() != QProcess::NormalExit) fail(what + msg::kArjCrashed);
    const int code = process.exitCode();
    if (code != 0)
        fail(what + arj_exit_reason(code) + msg::kArjExitCode + std::to_string(code) + "）");
}

std::vector<fs::path> Archiver::pack(const fs::path& archive_in, const std::vector<std::string>& inputs,
                                     const fs::path& working_dir, bool recursive) const {
    const fs::path archive = absolute_of(archive_in);
    const std::string what = std::string(msg::kPackFailed) + archive.filename().string() + msg::kFailedSuffix;
    if (!has_arj_extension(archive)) fail(what + msg::kNotArjName + archive.string());
    if (inputs.empty()) fail(what + msg::kNothingToPack);
    make_directory(archive.parent_path());
    remove_old_set(archive);

    std::vector<std::string> args{"a"};
    if (recursive)
        args.push_back("-r");
    else
        args.push_back("-e");  // bare names: the receiver extracts them into one directory
    args.push_back(archive.string());
    args.insert(args.end(), inputs.begin(), inputs.end());
    // Floppy-sized volumes, yes to every question, no progress display, DOS-compatible headers
    // so that the centre's ARJ reads the set.
    for (const char* s : {"-v1440", "-y", "-i", "-2d"}) args.push_back(s);
    run(args, working_dir, what);

    std::vector<fs::path> volumes = existing_volumes(archive);
    if (volumes.empty()) fail(what + msg::kVolumeMissing + archive.string());
    for (const auto& v : volumes) {
        std::error_code ec;
        auto size = fs::file_size(v, ec);
        if (ec || size > kVolumeLimit) fail(what + msg::kVolumeTooLarge + v.string());
    }
    return volumes;
}

std::vector<fs::path> Archiver::pack_files(const fs::path& archive, const std::vector<fs::path>& files) const {
    std::vector<std::string> inputs;
    for (const auto& f : files) {
        fs::path a = absolute_of(f);
        std::error_code ec;
        if (!fs::is_regular_file(a, ec))
            fail(std::string(msg::kPackFailed) + archive.filename().string() + msg::kFailedSuffix +
                 msg::kFileMissing + f.string());
        inputs.push_back(a.string());
    }
    return pack(archive, inputs, absolute_of(archive).parent_path(), false);
}

std::vector<fs::path> Archiver::pack_tree(const fs::path& archive, const fs::path& directory) const {
    fs::path dir = absolute_of(directory);
    if (dir.filename().empty()) dir = dir.parent_path();  // "x/" -> "x"
    std::error_code ec;
    if (!fs::is_directory(dir, ec))
        fail(std::string(msg::kPackFailed) + archive.filename().string() + msg::kFailedSuffix +
             msg::kDirectoryMissing + directory.string());
    // Run beside the directory so that the stored paths start with its name.
    return pack(archive, {dir.filename().string()}, dir.parent_path(), true);
}

void Archiver::extract(const char* command, const fs::path& archive_in, const fs::path& target_in,
                       const std::vector<std::string>& expected) const {
    const fs::path archive = absolute_of(archive_in);
    const fs::path target = absolute_of(target_in);
    const std::string what = std::string(msg::kExtractFailed) + archive.filename().string() + msg::kFailedSuffix;
    std::error_code ec;
    if (!fs::is_regular_file(archive, ec)) fail(what + msg::kArchiveMissing + archive.string());
    make_directory(target);
    // A trailing separator tells arj that the argument is the target directory.
    std::string target_arg = target.string();
    if (target_arg.back() != '/') target_arg += '/';
    run({command, "-v", "-y", "-i", archive.string(), target_arg}, target, what);
    for (const auto& name : expected)
        if (!fs::exists(target / name, ec)) fail(what + msg::kExtractedMissing + name);
}

void Archiver::extract_flat(const fs::path& archive, const fs::path& target_dir,
                            const std::vector<std::string>& expected) const {
    extract("e", archive, target_dir, expected);
}

void Archiver::extract_with_paths(const fs::path& archive, const fs::path& target_dir,
                                  const std::vector<std::string>& expected) const {
    extract("x", archive, target_dir, expected);
}

}  // namespace exchange
