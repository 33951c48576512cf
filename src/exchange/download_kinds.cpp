#include "exchange/download_kinds.h"

#include <stdexcept>

namespace exchange {
namespace {

std::string confirmation(const char* what, const char* action) {
    return std::string("注意：执行此功能会将本系统中的现有") + what + "全部" + action +
           "！！！请谨慎处理。确定要接收吗？";
}

const std::vector<DownloadKindInfo>& kinds() {
    static const std::vector<DownloadKindInfo> list = {
        {DownloadKind::Dwdjxx, "dwdjxx", "jsjbxx_dwdjk.dbf", 32, "", {{1, "dwbh"}, {3, "dwmc"}},
         confirmation("单位登记信息", "清除"), "单位登记信息"},
        {DownloadKind::Dwkhxx, "dwkhxx", "jsjbxx_dwxxk.dbf", 9, "dwbh", {{1, "dwbh"}, {7, "yhzh"}},
         confirmation("单位开户信息", "清除"), "单位开户信息"},
        {DownloadKind::Xqxx, "xqxx", "jsjbxx_xqxxk.dbf", 3, "blz10", {{1, "blz10"}, {2, "xqmc"}},
         confirmation("小区信息", "更新"), "小区信息"},
        {DownloadKind::Zxx, "zxx", "jsjbxx_zxxk.dbf", 8, "blz10", {{1, "blz10"}, {3, "zmc"}, {8, "slzje"}},
         confirmation("幢信息", "更新"), "幢信息"},
        {DownloadKind::Hxx, "hxx", "jsjbxx_hxxk.dbf", 0, "", {}, "", "户信息"},
        {DownloadKind::Ckzhxx, "ckzhxx", "jsjbxx_zhxxk.dbf", 27, "dwbh", {{2, "dwbh"}, {15, "zh"}, {21, "ye"}},
         confirmation("账户信息", "清除"), "账户信息"},
        {DownloadKind::Ywls, "ywls", "jsywcl_ywls_zx.dbf", 0, "", {}, "", "业务流水"},
    };
    return list;
}

}  // namespace

const DownloadKindInfo& download_kind(DownloadKind kind) {
    for (const auto& k : kinds())
        if (k.kind == kind) return k;
    throw std::logic_error("unknown download kind");
}

std::string download_file_name(DownloadKind kind) { return "zfzj_dwjk_xz_" + download_kind(kind).code + ".dbf"; }

}  // namespace exchange
