// Column definitions of every table. The order of columns is the stored order: the upgrade moves
// rows by position, so new columns may only be added at the end of a table.
#include "store/catalogue.h"

namespace store {
namespace {

constexpr auto I = ColumnType::Integer;
constexpr auto F = ColumnType::Float;
constexpr auto T = ColumnType::Text;
constexpr auto D = ColumnType::Date;
constexpr auto B = ColumnType::Bool;
constexpr auto M = ColumnType::Memo;

// The columns every deposit and withdrawal line starts with, followed by its own.
std::vector<Column> with_line_head(std::vector<Column> rest) {
    std::vector<Column> cols = {{"pzh", I, 8, ""},          {"ywxh", I, 8, "小流水号"},  {"zzrq", D, 10, "小流水日期"},
                                {"pzlx", T, 10, ""},         {"zhlx", T, 10, "存款类型"}, {"zhzt", T, 10, "存款状态"},
                                {"zhlb", T, 20, "存款类别"}, {"jbjgbh", T, 16, ""},       {"dwdjh", T, 6, "单位登记号"},
                                {"xqbh", I, 0, "小区编号"},  {"zbh", I, 0, "幢编号"},     {"hbh", I, 0, "户编号"}};
    cols.insert(cols.end(), rest.begin(), rest.end());
    return cols;
}

std::vector<TableDef> build() {
    std::vector<TableDef> t;

    t.push_back({"jbxx_dwdjk", "sjk_jbxx_dwdjk", "单位登记信息库", TableKind::Registry,
                 {{"dwdjh", T, 6, "单位登记号"},
                  {"dwmc", T, 200, "单位名称"},
                  {"dwzzjgdm", T, 30, "组织机构代码"},
                  {"dwzjlx", T, 60, "资金类型"},
                  {"jbjgbh", T, 16, "经办机构编号"},
                  {"dwxzdm", T, 6, "单位性质"},
                  {"dwxzmc1", T, 60, "单位性质"},
                  {"dwxzmc2", T, 60, "单位性质"},
                  {"dwxzmc3", T, 60, "单位性质"},
                  {"dwsjzgbm", T, 60, "上级主管部门"},
                  {"dwssqx", T, 60, "所属区县"},
                  {"dwdz", T, 100, "单位地址"},
                  {"dwyzbm", T, 10, "邮政编码"},
                  {"dwfzr", T, 30, "单位负责人"},
                  {"dwfzrzjhm", T, 30, "单位负责人证件号码"},
                  {"dwlxdh", T, 30, "联系电话"},
                  {"dwdzxx", T, 60, "单位电子信箱"},
                  {"dwdjrq", D, 10, "登记日期"},
                  {"dwdjzmm", T, 30, "登记证密码"},
                  {"dwmfhh", T, 30, "密封函号"},
                  {"dwdjzsyzt", T, 30, "登记证使用状态"},
                  {"dwbmysdm", T, 30, "部门预算代码"},
                  {"dwdwysdm", T, 30, "单位预算代码"},
                  {"dwdwzjlx", T, 60, "单位证件类型"},
                  {"dwdwzjhm", T, 60, "单位证件号码"},
                  {"dwxzgx", T, 60, "行政关系"},
                  {"dwsyzgx", T, 60, "所有制关系"},
                  {"dwfrzg", T, 10, "是否具备法人资格"},
                  {"dwxzbm", T, 30, ""},
                  {"dwzl1", B, 0, "单位设立批准文件"},
                  {"dwzl2", B, 0, "法人证书副本"},
                  {"dwzl3", B, 0, "营业执照副本"},
                  {"dwzl4", B, 0, "组织机构代码证副本"},
                  {"dwzl5", B, 0, "法定代表人或负责人身份证复印件"},
                  {"dwzl6", B, 0, "其它（请注明）"},
                  {"dwzl6zm", T, 60, ""}},
                 {"dwdjh"}});

    t.push_back({"jbxx_dwxxk", "sjk_jbxx_dwxxk", "单位开户信息库", TableKind::Registry,
                 {{"dwdjh", T, 6, "单位登记号"},
                  {"dwmc", T, 60, "单位名称"},
                  {"dwjbbm", T, 60, "单位经办部门"},
                  {"dwlxr", T, 30, "单位联系人"},
                  {"dwlxrzjlx", T, 30, ""},
                  {"dwlxrzjh", T, 50, "联系人证件号"},
                  {"dwlxrdh", T, 30, "联系人电话"},
                  {"jbjgbh", T, 16, "经办机构编号"},
                  {"khyhjhh", T, 100, "开户银行及行号"},
                  {"yhzh", T, 60, "银行帐号"},
                  {"khrq", D, 10, "开户日期"},
                  {"sbxzbz", T, 1, ""},
                  {"sbxzbz_dwdj", T, 1, ""},
                  {"sbxzbz_dwkh", T, 1, ""},
                  {"sbxzbz_xqxx", T, 1, ""},
                  {"sbxzbz_zxx", T, 1, ""},
                  {"sbxzbz_hxx", T, 1, ""},
                  {"sbxzbz_zhxx", T, 1, ""},
                  {"sbxzbz_ywls", T, 1, ""}},
                 {"dwdjh"}});

    t.push_back({"jbxx_xqxxk", "sjk_jbxx_xqxxk", "小区信息库", TableKind::Registry,
                 {{"xqbh", I, 0, "小区编号"},
                  {"xqxh", I, 0, "小区序号"},
                  {"xqmc", T, 60, "小区名称"},
                  {"xqdz", T, 100, "小区地址"},
                  {"dwdjh", T, 6, ""}},
                 {"xqbh"}});

    t.push_back({"jbxx_zxxk", "sjk_jbxx_zxxk", "幢信息库", TableKind::Registry,
                 {{"zbh", I, 0, "幢编号"},
                  {"zxh", I, 0, "幢序号"},
                  {"zmc", T, 60, "幢名称"},
                  {"zlx", T, 10, "幢类型"},
                  {"zcs", I, 0, "幢层数"},
                  {"slzmj", F, 0, "售楼总面积"},
                  {"sldj", F, 0, "售楼单价"},
                  {"slzje", F, 0, "售楼总金额"},
                  {"fwlx", T, 20, "类别"},
                  {"dwdjh", T, 6, ""},
                  {"xqbh", I, 0, "所属小区编号"}},
                 {"zbh"}});

    t.push_back({"jbxx_hxxk", "sjk_jbxx_hxxk", "户信息库", TableKind::Registry,
                 {{"hbh", I, 0, "户编号"},
                  {"hxh", I, 0, "户序号"},
                  {"fhxm", T, 48, "分户名称"},
                  {"dyh", T, 16, "单元号"},
                  {"cg", T, 16, "层高"},
                  {"fh", T, 16, "室号"},
                  {"fwlx", T, 20, "房屋类型"},
                  {"hzxm", T, 30, "户主姓名"},
                  {"hzzjlx", T, 20, "户主证件类型"},
                  {"hzzjh", T, 30, "户主证件号"},
                  {"jzmj", F, 0, "建筑面积"},
                  {"fgcbj", F, 0, "房改成本价"},
                  {"dj", F, 0, "单价"},
                  {"zj", F, 0, "总价"},
                  {"dwdjh", T, 6, ""},
                  {"xqbh", I, 0, "所属小区"},
                  {"zbh", I, 0, "所属幢"}},
                 {"hbh"}});

    t.push_back({"jbxx_zhxxk", "sjk_jbxx_zhxxk", "银行帐户信息库", TableKind::Registry,
                 {{"zhbh", I, 0, "账户编号"},
                  {"yhzh", T, 60, "存款帐号"},
                  {"zhlx", T, 10, "存款类型"},
                  {"zhzt", T, 10, "存款状态"},
                  {"zhlb", T, 20, "存款类别"},
                  {"cczmffbz", T, 10, "存储证明发放标志"},
                  {"fwlx", T, 20, "房屋类型"},
                  {"xqbh", I, 0, "小区编号"},
                  {"xqmc", T, 60, "小区名称"},
                  {"zbh", I, 0, "幢编号"},
                  {"zmc", T, 60, "幢名称"},
                  {"hbh", I, 0, "户编号"},
                  {"hmc", T, 48, "户名称"},
                  {"khrq", D, 10, "开户日期"},
                  {"qxrq", D, 10, "起息日期"},
                  {"dqrq", D, 10, "到期日期"},
                  {"ll", F, 0, "利率"},
                  {"ye", F, 0, "余额"},
                  {"wdzbj", F, 0, "未到帐本金"},
                  {"gblx_dw", F, 0, "单位利息滚本余额"},
                  {"gblx_gr", F, 0, "个人利息滚本余额"},
                  {"dwjc_yjlx", T, 10, "单位缴存依据类型"},
                  {"dwbl", F, 0, "单位分配比例或标准"},
                  {"dwbje", F, 0, "单位部分本金额"},
                  {"grjc_yjlx", T, 10, "个人缴存依据类型"},
                  {"grbl", F, 0, "个人分配比例或标准"},
                  {"grbje", F, 0, "个人部分本金额"},
                  {"grbl_dw", F, 0, "个人比例（单位）"},
                  {"grbje_dw", F, 0, "单位缴存额"}},
                 {"zhbh"}});

    t.push_back({"passwd", "sjk_passwd", "用户权限信息库", TableKind::User,
                 {{"nameid", T, 20, "用户名"}, {"passwd", F, 0, "密码"}, {"name", T, 20, "真实姓名"}},
                 {}});

    std::vector<Column> journal = {
        {"zlsh", I, 0, "总流水号"},      {"dlsh", I, 0, ""},
        {"xlsh", I, 0, ""},              {"zxlsh", T, 30, "中心帐流水号"},
        {"zhbh", I, 0, "存款帐户编号"},  {"yhzh", T, 60, "存款账户帐号"},
        {"zhlx", T, 10, "存款类型"},     {"zhzt", T, 10, "存款状态"},
        {"zhlb", T, 20, "存款类别"},     {"ywlx", T, 10, "业务类型代码"},
        {"ywlxmc", T, 60, "业务类型名称"}, {"fsfs", T, 10, "发生方式代码"},
        {"fsfsmc", T, 60, "发生方式名称"}, {"fsje", F, 0, "发生金额"},
        {"ye", F, 0, "余额"},            {"wdzbj", F, 0, "未到帐本金"},
        {"bj", F, 0, "本金"},            {"zqe", F, 0, "支取本金额"},
        {"zce", F, 0, "转存本金额"},     {"zqlxe", F, 0, "支取利息额"},
        {"zclxe", F, 0, "转存利息额"},   {"jzrq", D, 10, "记帐日期"},
        {"zph", T, 30, "支票号"},        {"czsj", D, 10, "操作时间"},
        {"czy", T, 30, "操作员"},        {"zh1", T, 60, "转出转入帐号1"},
        {"zh2", T, 60, "转出转入帐号2"}, {"zh3", T, 60, "转出转入帐号3"},
        {"zh4", T, 60, "转出转入帐号4"}, {"zcbz", T, 20, "转存标志"},
        {"dzbz", T, 20, "到帐标志"},     {"dybz", T, 20, "打印标志"},
        {"zjxz", T, 30, "资金性质"},     {"fsyy", T, 60, "发生原因"},
        {"ywfs", T, 30, "转帐去向"},     {"czbj", T, 20, "冲账标记"},
        {"bzxx", T, 200, "备注信息"}};
    t.push_back({"ywcl_ywls_dw", "sjk_ywcl_ywls", "单位业务流水库", TableKind::Journal, journal, {"zlsh"}});
    t.push_back({"ywcl_ywls_zx", "sjk_ywcl_ywls", "中心业务流水库", TableKind::Journal, journal, {"zlsh"}});

    t.push_back({"ywcl_jcpzk1", "sjk_ywcl_jcpzk1", "缴存凭证库1", TableKind::Voucher,
                 {{"pzh", I, 8, "大流水号"},
                  {"zzrq", D, 10, "大流水日期"},
                  {"pzlx", T, 10, ""},
                  {"jcfs", T, 20, "缴存方式"},
                  {"ph", T, 16, "票号"},
                  {"jczje", F, 0, "计划缴存总金额"},
                  {"sjjczje", F, 0, "实际缴存总金额"},
                  {"jzbs", I, 0, "实际缴存笔数"},
                  {"jzrq", D, 10, "记帐日期"},
                  {"sbbz", T, 10, "上报标志"},
                  {"czy", T, 16, "操作员"},
                  {"czsj", D, 10, "操作时间"},
                  {"bz", T, 200, "备注"}},
                 {"pzh"}});

    t.push_back({"ywcl_jcpzk2", "sjk_ywcl_jcpzk2", "缴存凭证库2", TableKind::Voucher,
                 with_line_head({
                  {"fwlx", T, 20, "房屋类型"},
                  {"zhbh", I, 0, "存款帐户编号"},
                  {"zh", T, 30, "存款帐号"},
                  {"jczt", T, 16, "缴存状态"},
                  {"skrq", D, 10, "收款日期"},
                  {"dwjc_yjlx", T, 10, "单位缴存依据类型"},
                  {"dwbl", F, 0, "单位比例"},
                  {"dwbje", F, 0, "单位缴存额"},
                  {"grjc_yjlx", T, 10, "个人缴存依据类型"},
                  {"grbl", F, 0, "个人比例"},
                  {"grbje", F, 0, "个人缴存额"},
                  {"jzrq", D, 10, "记帐日期"},
                  {"jcmxfl", T, 10, ""},
                  {"jcfs", T, 20, ""},
                  {"ph", T, 16, ""},
                  {"jczje", F, 0, ""},
                  {"grbl_dw", F, 0, ""},
                  {"grbje_dw", F, 0, "个人本金额（单位）"},
                  {"jzbs", I, 0, ""},
                  {"czy", T, 16, "操作员"},
                  {"czsj", D, 10, "操作时间"},
                  {"bz", T, 200, "备注"},
                  {"sbbz", T, 10, ""}}),
                 {"pzh", "ywxh"}});

    t.push_back({"ywcl_zqpzk1", "sjk_ywcl_zqpzk1", "支取凭证库1", TableKind::Voucher,
                 {{"pzh", I, 8, "大流水号"},
                  {"zzrq", D, 10, "大流水日期"},
                  {"pzlx", T, 10, ""},
                  {"jcfs", T, 20, "支取方式"},
                  {"ph", T, 16, "票号"},
                  {"zqqx", T, 16, "支取去向"},
                  {"zqyt", T, 60, "支取用途"},
                  {"skzh", T, 60, "收款单位帐号"},
                  {"skyhjhh", T, 60, "收款银行及行号"},
                  {"jczje", F, 0, "计划支取总金额"},
                  {"sjjczje", F, 0, "实际支取总金额"},
                  {"jzbs", I, 0, "实际支取笔数"},
                  {"jzrq", D, 10, "记帐日期"},
                  {"sbbz", T, 10, "上报标志"},
                  {"czy", T, 16, "操作员"},
                  {"czsj", D, 10, "操作时间"},
                  {"bz", T, 200, "备注"}},
                 {"pzh"}});

    t.push_back({"ywcl_zqpzk2", "sjk_ywcl_zqpzk2", "支取凭证库2", TableKind::Voucher,
                 with_line_head({
                  {"zhbh", I, 0, "存款帐户编号"},
                  {"zh", T, 30, "存款帐号"},
                  {"jczt", T, 16, "支取状态"},
                  {"zqrq", D, 10, "支取日期"},
                  {"zqbj_dw", F, 0, "单位支取额"},
                  {"zqbj_gr", F, 0, "个人支取额"},
                  {"zqbj_lx", F, 0, "利息支取额"},
                  {"zqlx", F, 0, "支取利息"},
                  {"jzrq", D, 10, "记帐日期"},
                  {"zqmxfl", T, 10, ""},
                  {"zqfs", T, 20, ""},
                  {"ph", T, 16, ""},
                  {"zqqx", T, 16, ""},
                  {"zqyt", T, 60, ""},
                  {"skzh", T, 60, ""},
                  {"skyhjhh", T, 60, ""},
                  {"zqzje", F, 0, ""},
                  {"zqbj", F, 0, ""},
                  {"ye", F, 0, ""},
                  {"zqbj_gr_dw", F, 0, "个人支取额（单位）"},
                  {"czy", T, 16, "操作员"},
                  {"czsj", D, 10, "操作时间"},
                  {"bz", T, 200, "备注"},
                  {"sbbz", T, 10, ""}}),
                 {"pzh", "ywxh"}});

    t.push_back({"ywcl_zcpzk1", "sjk_ywcl_zcpzk1", "转存凭证库1", TableKind::Voucher,
                 {{"pzh", I, 8, "大流水号"},
                  {"zzrq", D, 10, "大流水日期"},
                  {"pzlx", T, 10, ""},
                  {"jczje", F, 0, "计划转存总金额"},
                  {"sjjczje", F, 0, "实际转存总金额"},
                  {"jzbs", I, 0, "实际转存笔数"},
                  {"jzrq", D, 10, "记帐日期"},
                  {"czy", T, 16, "操作员"},
                  {"czsj", D, 10, "操作时间"},
                  {"bz", T, 200, "备注"},
                  {"sbbz", T, 10, "上报标志"}},
                 {"pzh"}});

    t.push_back({"ywcl_zcpzk2", "sjk_ywcl_zcpzk2", "转存凭证库2", TableKind::Voucher,
                 {{"pzh", I, 8, ""},
                  {"ywxh", I, 8, "小流水号"},
                  {"zzrq", D, 10, "小流水日期"},
                  {"pzlx", T, 10, ""},
                  {"zcmxfl", T, 10, "存款类型"},
                  {"zcfs", T, 10, "转存方式"},
                  {"zrcklb", T, 20, "转入存款类别"},
                  {"zcckbh", I, 0, "转出存款编号"},
                  {"zcckzh", T, 30, "转出存款帐号"},
                  {"zrckbh", I, 0, "转入存款编号"},
                  {"zrckzh", T, 30, "转入存款账号"},
                  {"dwdjh", T, 6, "单位登记号"},
                  {"xqbh", I, 0, "小区编号"},
                  {"zbh", I, 0, "幢编号"},
                  {"hbh", I, 0, "户编号"},
                  {"zcbj_dw", F, 0, "单位转存额"},
                  {"zcbj_gr", F, 0, "个人转存额"},
                  {"zcbj_lx", F, 0, "利息转存额"},
                  {"zczt", T, 16, "转存状态"},
                  {"zrjczt", T, 16, "转入缴存状态"},
                  {"dwjc_yjlx", T, 10, "转入单位缴存依据"},
                  {"grjc_yjlx", T, 10, "转入个人交存依据"},
                  {"zcrq", D, 10, "转存日期"},
                  {"jzrq", D, 10, "记帐日期"},
                  {"dwbl", F, 0, "转入单位比例"},
                  {"grbl", F, 0, "转入个人比例"},
                  {"grbl_dw", F, 0, ""},
                  {"dwbje", F, 0, ""},
                  {"grbje", F, 0, ""},
                  {"grbje_dw", F, 0, ""},
                  {"czy", T, 16, "操作员"},
                  {"czsj", D, 10, "操作时间"},
                  {"bz", T, 200, "备注"},
                  {"sbbz", T, 10, ""}},
                 {"pzh", "ywxh"}});

    // Code tables: reference data installed with the program, never upgraded or edited.
    t.push_back({"jzlxdmk", "", "存款类别利率代码库", TableKind::Code,
                 {{"lxbh", I, 0, "序号"}, {"lxzt", T, 10, "存款状态"}, {"lllb", T, 20, "存款类别"},
                  {"lxll", F, 0, "利率"}, {"hints", M, 0, "说明"}},
                 {}});
    t.push_back({"zqytdmk", "", "支取用途代码库", TableKind::Code,
                 {{"dm", T, 8, "代码"}, {"mc", T, 60, "名称"}, {"sm", M, 0, "说明"}}, {}});
    t.push_back({"khyhjhhdmk", "", "开户银行代码库", TableKind::Code, {{"khyhjhh", T, 100, "开户银行及行号"}}, {}});
    for (auto [name, title] : {std::pair{"zjlx", "证件类型"}, {"fwlx", "房屋类型"}, {"dwzjlx", "单位证件类型"},
                               {"zijinlx", "资金类型"}, {"ywlx", "业务类型"}})
        t.push_back({name, "", title, TableKind::Code, {{"dm", T, 8, "代码"}, {"dmmc", T, 60, "名称"}}, {}});
    for (auto [name, title] : {std::pair{"dwxzdmk1", "单位性质一级"}, {"dwxzdmk2", "单位性质二级"},
                               {"dwxzdmk3", "单位性质三级"}})
        t.push_back({name, "", title, TableKind::Code, {{"dwxz", T, 2, "代码"}, {"hints", T, 60, "名称"}}, {}});
    return t;
}

}  // namespace

const std::vector<TableDef>& catalogue() {
    static const std::vector<TableDef> tables = build();
    return tables;
}

}  // namespace store
