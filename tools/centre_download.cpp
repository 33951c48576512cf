#include "centre_download.h"

#include <algorithm>
#include <memory>
#include <type_traits>

#include "centre_rows.h"
#include "exchange/archiver.h"
#include "store/dbf_writer.h"
#include "store/errors.h"

namespace tools {

const std::vector<DownloadKind>& download_kinds() {
    static const std::vector<DownloadKind> kinds = {DownloadKind::Dwdjxx, DownloadKind::Dwkhxx, DownloadKind::Xqxx,
                                                    DownloadKind::Zxx,    DownloadKind::Hxx,    DownloadKind::Ckzhxx,
                                                    DownloadKind::Ywls};
    return kinds;
}

std::string kind_code(DownloadKind kind) {
    static const char* codes[] = {"dwdjxx", "dwkhxx", "xqxx", "zxx", "hxx", "ckzhxx", "ywls"};
    return codes[int(kind)];
}

std::string download_file_name(DownloadKind kind) { return "zfzj_dwjk_xz_" + kind_code(kind) + ".dbf"; }

std::string button_file_name(const std::string& dwdjh, DownloadKind kind, const std::string& extension) {
    return dwdjh + "_" + kind_code(kind) + "." + extension;
}

std::string all_archive_name(const std::string& dwdjh) { return dwdjh + "_all.arj"; }

std::vector<std::string> download_field_names(DownloadKind kind) {
    std::vector<std::string> names;
    for (const auto& f : download_layout(kind)) names.push_back(f.name);
    return names;
}

std::string unit_number_field(DownloadKind kind) {
    return kind == DownloadKind::Xqxx || kind == DownloadKind::Zxx || kind == DownloadKind::Hxx ? "blz10" : "dwbh";
}

std::vector<std::string> swap_fields(std::vector<std::string> names, std::string_view a, std::string_view b) {
    auto ia = std::find(names.begin(), names.end(), a), ib = std::find(names.begin(), names.end(), b);
    if (ia == names.end() || ib == names.end())
        throw palvor::Error("字段不存在：" + std::string(ia == names.end() ? a : b));
    std::iter_swap(ia, ib);
    return names;
}

std::vector<std::string> drop_field(std::vector<std::string> names, std::string_view name) {
    auto it = std::find(names.begin(), names.end(), name);
    if (it == names.end()) throw palvor::Error("字段不存在：" + std::string(name));
    names.erase(it);
    return names;
}

int DownloadRow::index(std::string_view name) const {
    int i = store::dbf_field_index(download_layout(kind_), name);
    if (i < 0) throw palvor::Error(kind_code(kind_) + "没有字段" + std::string(name));
    return i;
}

const DownloadValue& DownloadRow::get(std::string_view name) const { return values_[std::size_t(index(name))]; }

std::string DownloadRow::text(std::string_view name) const {
    const auto* s = std::get_if<std::string>(&get(name));
    return s ? *s : std::string();
}

void DownloadRow::set(std::string_view name, DownloadValue value) { values_[std::size_t(index(name))] = std::move(value); }

CentreDownload::CentreDownload(const CentreUnit& unit, const CentreSize& size)
    : model_(build_centre_model(unit, size)) {}

int CentreDownload::row_count(DownloadKind kind) const { return centre_rows::row_count(model_, kind); }

fs::path CentreDownload::write_file(DownloadKind kind, const fs::path& path, const FileVariant& variant) const {
    const auto& layout = download_layout(kind);
    std::vector<store::DbfField> fields;
    std::vector<int> source;  // layout position of each written field; -1: a blank extra
    if (variant.fields.empty()) {
        fields = layout;
        for (int i = 0; i < int(layout.size()); ++i) source.push_back(i);
    } else {
        for (const auto& name : variant.fields) {
            int i = store::dbf_field_index(layout, name);
            fields.push_back(i < 0 ? store::DbfField::text(name, 10) : layout[std::size_t(i)]);
            source.push_back(i);
        }
    }
    const int unit_column = store::dbf_field_index(layout, unit_number_field(kind));
    int rows = row_count(kind);
    if (variant.row_limit) rows = std::clamp(*variant.row_limit, 0, rows);

    std::error_code ec;
    if (path.has_parent_path()) fs::create_directories(path.parent_path(), ec);
    store::DbfWriter out(path.string(), fields);
    std::vector<DownloadValue> values;
    for (int r = 0; r < rows; ++r) {
        centre_rows::fill(model_, kind, r, values);
        if (variant.unit_number) values[std::size_t(unit_column)] = *variant.unit_number;
        if (variant.edit) {
            DownloadRow row(kind, values);
            variant.edit(r, row);
        }
        for (int j = 0; j < int(fields.size()); ++j) {
            if (source[std::size_t(j)] < 0) continue;
            std::visit(
                [&](const auto& v) {
                    if constexpr (!std::is_same_v<std::decay_t<decltype(v)>, std::monostate>) out.set(j, v);
                },
                values[std::size_t(source[std::size_t(j)])]);
        }
        out.append();
    }
    out.close();
    return path;
}

namespace {

void copy_over(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
    if (ec) throw palvor::Error("不能复制文件" + from.string() + "到" + to.string() + "：" + ec.message());
}

}  // namespace

std::vector<fs::path> CentreDownload::write_set(const fs::path& dir, const DownloadOptions& options) const {
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec) throw palvor::Error("不能创建目录" + dir.string() + "：" + ec.message());
    const bool archives = options.button_files || options.all_archive;
    std::unique_ptr<exchange::Archiver> arj;
    if (archives) {
        arj = std::make_unique<exchange::Archiver>(dir);
        if (!arj->available()) throw palvor::Error("找不到arj程序，不能生成压缩文件。");
    }
    // The archives store the files under the centre's names, so those are written first; when
    // they are not wanted themselves they live in a scratch folder for the time being.
    const fs::path plain_dir = options.plain_files ? dir : dir / ".centre_download.tmp";
    fs::create_directories(plain_dir, ec);
    std::vector<fs::path> made, plain;
    try {
        const std::string& unit = model_.unit.dwdjh;
        for (DownloadKind kind : download_kinds()) {
            plain.push_back(write_file(kind, plain_dir / download_file_name(kind)));
            if (options.plain_files) made.push_back(plain.back());
            if (!options.button_files) continue;
            fs::path dbf = dir / button_file_name(unit, kind, "dbf");
            copy_over(plain.back(), dbf);
            made.push_back(dbf);
            for (const auto& v : arj->pack_files(dir / button_file_name(unit, kind, "arj"), {plain.back()}))
                made.push_back(dir / v.filename());
        }
        if (options.all_archive)
            for (const auto& v : arj->pack_files(dir / all_archive_name(unit), plain)) made.push_back(dir / v.filename());
    } catch (...) {
        if (!options.plain_files) fs::remove_all(plain_dir, ec);
        throw;
    }
    if (!options.plain_files) fs::remove_all(plain_dir, ec);
    return made;
}

}  // namespace tools
