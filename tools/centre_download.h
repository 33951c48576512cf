#pragma once
// The fund centre's side of the download: writes the seven dBase files of one unit
// ("zfzj_dwjk_xz_" + kind + ".dbf") with the field names, counts and positions the receptions
// check and the codes the centre uses, all drawn from one consistent CentreModel. Also the names
// the receive buttons expect ("000123_xqxx.dbf", "000123_xqxx.arj") and the receive-all archive
// ("000123_all.arj" with further volumes when large), and faulty variants for tests.
//
//   tools::CentreDownload d({"000123", "滨江市阳光房地产开发有限公司", "0101"},
//                           {.communities = 20000, .buildings_per_community = 0});
//   d.write_file(tools::DownloadKind::Xqxx, dir / "000123_xqxx.dbf");
//   tools::FileVariant bad{.unit_number = "000124"};  // another unit's file
//   d.write_file(tools::DownloadKind::Xqxx, dir / "bad_unit.dbf", bad);
//   bad = {.fields = tools::swap_fields(tools::download_field_names(tools::DownloadKind::Zxx), "zmc", "xqmc")};
//   d.write_file(tools::DownloadKind::Zxx, dir / "bad_order.dbf", bad);
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "centre_model.h"
#include "store/dbf_field.h"

namespace exchange {
class Archiver;
}

namespace tools {

namespace fs = std::filesystem;

enum class DownloadKind { Dwdjxx, Dwkhxx, Xqxx, Zxx, Hxx, Ckzhxx, Ywls };

// The seven kinds in the order the receive-all takes them.
const std::vector<DownloadKind>& download_kinds();
std::string kind_code(DownloadKind kind);                  // "xqxx"
std::string download_file_name(DownloadKind kind);         // "zfzj_dwjk_xz_xqxx.dbf"
std::string button_file_name(const std::string& dwdjh, DownloadKind kind,
                             const std::string& extension);  // "000123_xqxx.dbf" / ".arj"
std::string all_archive_name(const std::string& dwdjh);      // "000123_all.arj"

// The centre's field layout of a kind, in file order.
const std::vector<store::DbfField>& download_layout(DownloadKind kind);
std::vector<std::string> download_field_names(DownloadKind kind);
// The column holding the unit's number: "blz10" for xqxx, zxx, hxx, else "dwbh".
std::string unit_number_field(DownloadKind kind);

// Field-order helpers for faulty variants: a copy with two names swapped, or one name left out.
std::vector<std::string> swap_fields(std::vector<std::string> names, std::string_view a, std::string_view b);
std::vector<std::string> drop_field(std::vector<std::string> names, std::string_view name);

using DownloadValue = std::variant<std::monostate, std::string, double, std::int64_t>;

// One row of a kind about to be written, in the centre's layout; a test may change values by
// name before the row is written (an unknown name throws palvor::Error).
class DownloadRow {
public:
    DownloadRow(DownloadKind kind, std::vector<DownloadValue>& values) : kind_(kind), values_(values) {}
    DownloadKind kind() const { return kind_; }
    const DownloadValue& get(std::string_view name) const;
    std::string text(std::string_view name) const;  // a text value, "" otherwise
    void set(std::string_view name, DownloadValue value);

private:
    int index(std::string_view name) const;
    DownloadKind kind_;
    std::vector<DownloadValue>& values_;
};

// How one file departs from the centre's own.
struct FileVariant {
    std::optional<std::string> unit_number{};  // written into the unit-number column of every row
    // Field names in the order to write them; empty: the centre's layout. Names missing here are
    // left out of the file; names the kind does not have are written as blank C(10) fields.
    std::vector<std::string> fields{};
    std::optional<int> row_limit{};  // write at most this many rows (0: a file without rows)
    std::function<void(int row, DownloadRow&)> edit{};  // changes a row before it is written
};

struct DownloadOptions {
    bool plain_files = true;      // the seven "zfzj_dwjk_xz_<kind>.dbf"
    bool button_files = false;    // "<unit>_<kind>.dbf" and "<unit>_<kind>.arj" for each kind
    bool all_archive = false;     // "<unit>_all.arj" (+ ".a01"…) holding the seven files
};

class CentreDownload {
public:
    CentreDownload(const CentreUnit& unit, const CentreSize& size);
    explicit CentreDownload(CentreModel model) : model_(std::move(model)) {}

    const CentreModel& model() const { return model_; }
    int row_count(DownloadKind kind) const;

    // Writes one kind's file (any name); throws palvor::Error. Returns the path.
    fs::path write_file(DownloadKind kind, const fs::path& path, const FileVariant& variant = {}) const;
    // Writes the chosen set into dir (created when missing) and returns every file made. The
    // archives need arj (looked for in dir, then on PATH); without it they throw palvor::Error.
    std::vector<fs::path> write_set(const fs::path& dir, const DownloadOptions& options = {}) const;

private:
    CentreModel model_;
};

}  // namespace tools
