#pragma once
// The kinds of download files the fund centre sends, with what a reception checks of each.
#include <string>
#include <vector>

namespace exchange {

enum class DownloadKind { Dwdjxx, Dwkhxx, Xqxx, Zxx, Hxx, Ckzhxx, Ywls };

struct PositionCheck {
    int position;      // 1-based field position
    std::string name;  // the field that must stand there
};

struct DownloadKindInfo {
    DownloadKind kind;
    std::string code;           // "xqxx"
    std::string reading_copy;   // file in palvor_tables/, e.g. "jsjbxx_xqxxk.dbf"
    int field_count;            // 0: not checked
    std::string unit_field;     // the field holding the unit's number; empty: not checked
    std::vector<PositionCheck> positions;
    std::string confirmation;   // the question before a receive button's reception
    std::string chooser_title;  // e.g. "小区信息"
};

const DownloadKindInfo& download_kind(DownloadKind kind);
// "zfzj_dwjk_xz_" + code + ".dbf"
std::string download_file_name(DownloadKind kind);

}  // namespace exchange
