#include "exchange/download_reception.h"

#include <filesystem>

#include "core/app_state.h"
#include "core/text_helpers.h"
#include "exchange/archiver.h"
#include "exchange/community_merge.h"
#include "exchange/reception_messages.h"
#include "store/dbf_reader.h"
#include "store/errors.h"
#include "ui/progress.h"
#include "ui/prompter.h"
#include "ui/captions.h"

namespace fs = std::filesystem;

namespace exchange {
namespace {

constexpr int kErrorIcon = int(ui::Icon::Error);
constexpr int kWarningIcon = int(ui::Icon::Warning);

// The value of a field for comparing two places of the same row: numbers as numbers.
bool same_value(const store::DbfReader& file, const store::DbfRow& row, int a, int b) {
    bool na = file.field(a).is_numeric(), nb = file.field(b).is_numeric();
    if (na || nb) return row.real(a) == row.real(b);
    return row.text(a) == row.text(b);
}

long long unit_number(const std::string& dwdjh) {
    try {
        return std::stoll(dwdjh);
    } catch (...) {
        return 0;
    }
}

}  // namespace

bool DownloadReception::refuse(const std::string& text, const char* caption, int icon) {
    prompter_.inform(caption, text, ui::Icon(icon));
    return false;
}

std::string DownloadReception::reading_copy_path(DownloadKind kind) const {
    return (fs::path(state_.tables_dir) / download_kind(kind).reading_copy).string();
}

bool DownloadReception::receive(DownloadKind kind, const std::string& path, const std::function<void()>& on_confirmed) {
    const DownloadKindInfo& info = download_kind(kind);
    if (path.empty()) return refuse(msg::kChooseFileFirst, ui::caption::kHint, kErrorIcon);
    if (!prompter_.ask(ui::caption::kReceiveConfirm, info.confirmation, false, ui::Icon::Information)) return false;
    if (on_confirmed) on_confirmed();
    if (!stage(kind, path)) return false;

    std::unique_ptr<store::DbfReader> file;
    try {
        file = std::make_unique<store::DbfReader>(reading_copy_path(kind));
    } catch (const palvor::Error& e) {
        return refuse(std::string(msg::kNotDownloadData) + "\n" + e.what(), ui::caption::kWarning, kErrorIcon);
    }
    if (!validate(kind, *file)) return false;

    switch (kind) {
        case DownloadKind::Xqxx: {
            MergeCounts counts = merge_communities(db_, state_, *file, progress_);
            prompter_.inform(ui::caption::kInfo, community_success_text(counts));
            return true;
        }
        default:
            throw palvor::Error("本版本尚不能接收" + info.chooser_title + "。");
    }
}

bool DownloadReception::stage(DownloadKind kind, const std::string& path) {
    try {
        return stage_file(kind, path);
    } catch (const palvor::Error& e) {
        // The archiver's own words say what went wrong with the archive.
        return refuse(std::string(msg::kNotDownloadData) + "\n" + e.what(), ui::caption::kWarning, kErrorIcon);
    }
}

bool DownloadReception::stage_file(DownloadKind kind, const std::string& path) {
    const fs::path root(state_.data_root);
    if (!fs::is_regular_file(path)) return refuse(msg::kDownloadMissing, ui::caption::kWarning, kErrorIcon);

    for (const char* dir : {"download", "download/xzjbxx", "download/xzjbxx/data"}) {
        std::error_code ec;
        if (fs::is_directory(root / dir)) continue;
        fs::create_directory(root / dir, ec);
        if (ec) {
            std::string shown = dir;
            for (auto& c : shown)
                if (c == '/') c = '\\';
            return refuse(std::string(msg::kCannotCreateWorkDirPrefix) + shown + msg::kCannotCreateWorkDirSuffix,
                          ui::caption::kWarning, kErrorIcon);
        }
    }
    const fs::path source(path);
    const fs::path archive_copy = root / "download/xzjbxx" / source.filename();
    const fs::path data_dir = root / "download/xzjbxx/data";
    const fs::path working = data_dir / download_file_name(kind);
    for (const fs::path& old : {archive_copy, working}) {
        std::error_code ec;
        if (fs::exists(old) && !fs::remove(old, ec))
            return refuse(std::string(msg::kCannotDeletePrefix) + old.string() + msg::kCannotDeleteSuffix,
                          ui::caption::kWarning, kErrorIcon);
    }

    std::string ext = core::right_part(path, 3);
    if (ext == "arj" || ext == "ARJ") {
        // Copy every volume of the set, so a multi-volume archive extracts.
        std::vector<fs::path> volumes = existing_volumes(source);
        for (std::size_t k = 0; k < volumes.size(); ++k) {
            std::error_code ec;
            fs::copy_file(volumes[k], volume_path(archive_copy, int(k)), fs::copy_options::overwrite_existing, ec);
            if (ec) return refuse(msg::kCannotReadArchive, ui::caption::kWarning, kErrorIcon);
        }
        Archiver arj(root);
        if (!arj.available()) return refuse(msg::kArchiverLost, ui::caption::kWarning, kErrorIcon);
        ui::ProgressScope shown(progress_, 2, msg::kExtracting);
        arj.extract_flat(archive_copy, data_dir);
    } else if (ext == "dbf" || ext == "DBF") {
        std::error_code ec;
        fs::copy_file(source, working, fs::copy_options::overwrite_existing, ec);
        if (ec) return refuse(msg::kCannotReadDbf, ui::caption::kWarning, kErrorIcon);
    } else {
        return refuse(msg::kWrongFileType, ui::caption::kWarning, kErrorIcon);
    }
    if (!fs::exists(working)) return refuse(msg::kNotDownloadData, ui::caption::kWarning, kErrorIcon);

    std::error_code ec;
    fs::copy_file(working, reading_copy_path(kind), fs::copy_options::overwrite_existing, ec);
    if (ec)
        return refuse(std::string(msg::kCannotCopyReadingPrefix) + reading_copy_path(kind) + msg::kCannotCopyReadingSuffix,
                      ui::caption::kHint, kWarningIcon);
    return true;
}

bool DownloadReception::validate(DownloadKind kind, const store::DbfReader& file) {
    const DownloadKindInfo& info = download_kind(kind);
    if (info.field_count && file.field_count() != info.field_count)
        return refuse(msg::kFieldCountWrong, ui::caption::kWarning, kWarningIcon);
    // An empty file has no first row: its unit number reads as 0.
    if (!info.unit_field.empty()) {
        int f = file.field_index(info.unit_field);
        if (f < 0) return refuse(msg::kFieldOrderWrong, ui::caption::kWarning, kWarningIcon);
        long long in_file = file.row_count() ? file.row(0).integer(f) : 0;
        if (in_file != unit_number(state_.unit_dwdjh))
            return refuse(msg::kUnitNumberWrong, ui::caption::kWarning, kWarningIcon);
    }
    if (file.row_count() == 0) return true;
    store::DbfRow first = file.row(0);
    for (const PositionCheck& check : info.positions) {
        int by_name = file.field_index(check.name);
        int at = check.position - 1;
        if (by_name < 0 || at >= file.field_count() || !same_value(file, first, by_name, at))
            return refuse(msg::kFieldOrderWrong, ui::caption::kWarning, kWarningIcon);
    }
    return true;
}

}  // namespace exchange
