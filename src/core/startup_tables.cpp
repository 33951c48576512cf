#include "core/startup_tables.h"

namespace core {
namespace {

const char* kContact = "！请与系统管理员联系!";

std::string copy_msg(const std::string& what) { return "拷贝" + what + "数据库文件时出错" + kContact; }

}  // namespace

const std::vector<StartupTable>& startup_tables() {
    // A live table and its key are made in one step here, so one message covers both.
    static const std::vector<StartupTable> tables = {
        {"jbxx_dwdjk", copy_msg("单位登记信息库"), "单位登记信息库升级失败！"},
        {"jbxx_dwxxk", copy_msg("单位开户信息库"), "单位开户信息库升级失败！"},
        {"jbxx_xqxxk", copy_msg("小区信息库"), "小区信息库升级失败！"},
        {"jbxx_zxxk", copy_msg("幢信息库"), "幢信息库升级失败！"},
        {"jbxx_hxxk", copy_msg("户信息库"), "户信息库升级失败！"},
        {"jbxx_zhxxk", copy_msg("银行帐户信息库"), "银行帐户信息库升级失败！"},
        {"passwd", copy_msg("用户权限信息库"), "用户权限信息库升级失败！"},
        {"ywcl_ywls_dw", copy_msg("单位业务流水"), "单位业务流水库升级失败！"},
        {"ywcl_ywls_zx", copy_msg("中心业务流水"), "中心业务流水库升级失败！"},
        {"ywcl_jcpzk1", copy_msg("缴存凭证库1"), "缴存凭证信息库1升级失败！"},
        {"ywcl_jcpzk2", copy_msg("缴存凭证库2"), "缴存凭证信息库2升级失败！"},
        {"ywcl_zqpzk1", copy_msg("支取凭证库1"), "支取凭证信息库1升级失败！"},
        {"ywcl_zqpzk2", copy_msg("支取凭证库2"), "支取凭证信息库2升级失败！"},
        {"ywcl_zcpzk1", copy_msg("转存凭证库1"), "转存凭证信息库1升级失败！"},
        {"ywcl_zcpzk2", copy_msg("转存凭证库2"), "转存凭证信息库2升级失败！"},
    };
    return tables;
}

const std::vector<TemplateCheck>& template_checks() {
    auto check = [](const char* name, const std::string& what, bool index) {
        return TemplateCheck{name, what + "升级库不存在" + kContact,
                             index ? what + "升级库索引库不存在" + kContact : std::string()};
    };
    static const std::vector<TemplateCheck> checks = {
        check("sjk_jbxx_dwdjk", "单位登记信息", true), check("sjk_jbxx_dwxxk", "单位开户信息", true),
        check("sjk_jbxx_xqxxk", "小区信息", true),     check("sjk_jbxx_zxxk", "幢信息", true),
        check("sjk_jbxx_hxxk", "户信息", true),        check("sjk_jbxx_zhxxk", "银行帐户信息", true),
        check("sjk_passwd", "用户权限信息", false),    check("sjk_ywcl_ywls", "业务流水", true),
        check("sjk_ywcl_jcpzk1", "缴存凭证库1", true), check("sjk_ywcl_jcpzk2", "缴存凭证库2", true),
        check("sjk_ywcl_zqpzk1", "支取凭证库1", true), check("sjk_ywcl_zqpzk2", "支取凭证库2", true),
        check("sjk_ywcl_zcpzk1", "转存凭证库1", true), check("sjk_ywcl_zcpzk2", "转存凭证库2", true),
    };
    return checks;
}

}  // namespace core
