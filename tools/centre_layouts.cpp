// Field layouts of the centre's download files, each field beside the value it carries, so that a
// layout and its rows cannot drift apart. Positions the receptions check: dwdjxx 1 dwbh, 3 dwmc;
// dwkhxx 1 dwbh, 7 yhzh; xqxx 1 blz10, 2 xqmc; zxx 1 blz10, 3 zmc, 8 slzje; ckzhxx 2 dwbh, 15 zh,
// 21 ye; ywls 2 dwbh, 4 zh, 9 ye.
#include <functional>

#include "centre_rows.h"
#include "store/errors.h"

namespace tools {
namespace {

using store::DbfField;
using M = CentreModel;
using V = DownloadValue;

template <class E>
struct Col {
    DbfField field;
    V (*get)(const M&, const E&);
};

struct KindLayout {
    std::vector<DbfField> fields;
    int (*count)(const M&);
    std::function<void(const M&, int, std::vector<V>&)> fill;
};

template <class E>
KindLayout kind_layout(std::vector<Col<E>> cols, int (*count)(const M&), const E& (*entity)(const M&, int)) {
    KindLayout s;
    for (const auto& c : cols) s.fields.push_back(c.field);
    s.count = count;
    s.fill = [cols = std::move(cols), entity](const M& m, int i, std::vector<V>& out) {
        const E& e = entity(m, i);
        out.resize(cols.size());
        for (std::size_t j = 0; j < cols.size(); ++j) out[j] = cols[j].get(m, e);
    };
    return s;
}

V unit_number(const M& m) { return std::int64_t(std::stoll(m.unit.dwdjh)); }
DbfField money(const char* name) { return DbfField::number(name, 14, 2); }

// The unit files: one row each.
const M& whole(const M& m, int) { return m; }
int one(const M&) { return 1; }

KindLayout dwdjxx() {
    return kind_layout<M>({{DbfField::number("dwbh", 6), [](const M& m, const M&) { return unit_number(m); }},
                    {DbfField::text("zzjgdm", 30), [](const M& m, const M&) -> V { return "71" + m.unit.dwdjh + "-6"; }},
                    {DbfField::text("dwmc", 100), [](const M& m, const M&) -> V { return m.unit.dwmc; }},
                    {DbfField::text("dwxz", 6), [](const M&, const M&) -> V { return "300303"; }},
                    {DbfField::text("zgbm", 60), [](const M&, const M&) -> V { return "滨江市住房保障和房产管理局"; }},
                    {DbfField::text("ssqx", 60), [](const M&, const M&) -> V { return "城东区"; }},
                    {DbfField::text("dwdz", 100), [](const M&, const M&) -> V { return "滨江市城东区解放路88号"; }},
                    {DbfField::text("yb", 10), [](const M&, const M&) -> V { return "310000"; }},
                    {DbfField::text("fzr", 30), [](const M&, const M&) -> V { return "赵建华"; }},
                    {DbfField::text("fzrzjh", 30), [](const M&, const M&) -> V { return "330102197205183215"; }},
                    {DbfField::text("dh", 30), [](const M&, const M&) -> V { return "0571-86012345"; }},
                    {DbfField::date("djrq"), [](const M&, const M&) -> V { return "2022-06-15"; }},
                    {DbfField::text("djzmm", 30), [](const M&, const M&) -> V { return "58213476"; }},
                    {DbfField::text("mfhh", 30), [](const M&, const M&) -> V { return "滨房维字[2022]123号"; }},
                    {DbfField::text("bmysdm", 30), [](const M&, const M&) -> V { return ""; }},
                    {DbfField::text("dwysdm", 30), [](const M&, const M&) -> V { return ""; }},
                    {DbfField::text("dwzjlx", 2), [](const M&, const M&) -> V { return "02"; }},
                    {DbfField::text("dwzjhm", 60), [](const M& m, const M&) -> V { return "913301007" + m.unit.dwdjh + "123"; }},
                    {DbfField::text("zjlx", 2), [](const M&, const M&) -> V { return "04"; }},
                    {DbfField::text("xzgx", 60), [](const M&, const M&) -> V { return "市属"; }},
                    {DbfField::text("syzgx", 60), [](const M&, const M&) -> V { return "私营"; }},
                    {DbfField::text("blz1", 10), [](const M&, const M&) -> V { return "是"; }},
                    {DbfField::text("dwxzbm", 30), [](const M&, const M&) -> V { return "3003"; }},
                    {DbfField::text("jbjgbh", 16), [](const M& m, const M&) -> V { return m.unit.jbjgbh; }},
                    {DbfField::text("blz2", 60), [](const M&, const M&) -> V { return "wxjj@ygfdc.example.cn"; }},
                    {DbfField::text("dwslpzwj", 60), [](const M&, const M&) -> V { return "滨政发[2005]12号"; }},
                    {DbfField::text("frzsfb", 60), [](const M&, const M&) -> V { return ""; }},
                    {DbfField::text("yyzzfb", 60), [](const M&, const M&) -> V { return "有"; }},
                    {DbfField::text("zzjgdmfb", 60), [](const M&, const M&) -> V { return "有"; }},
                    {DbfField::text("fzrsfzhfb", 60), [](const M&, const M&) -> V { return "有"; }},
                    {DbfField::text("qt", 60), [](const M&, const M&) -> V { return ""; }},
                    {DbfField::text("blz3", 60), [](const M&, const M&) -> V { return ""; }}},
                   one, whole);
}

KindLayout dwkhxx() {
    return kind_layout<M>({{DbfField::number("dwbh", 6), [](const M& m, const M&) { return unit_number(m); }},
                    {DbfField::text("jbbm", 60), [](const M&, const M&) -> V { return "财务部"; }},
                    {DbfField::text("lxr", 30), [](const M&, const M&) -> V { return "钱丽华"; }},
                    {DbfField::text("zjh", 30), [](const M&, const M&) -> V { return "33010419800312402X"; }},
                    {DbfField::text("lxdh", 30), [](const M&, const M&) -> V { return "13905710123"; }},
                    {DbfField::text("khyhjhh", 100), [](const M&, const M&) -> V { return "中国建设银行 105"; }},
                    {DbfField::text("yhzh", 60), [](const M& m, const M&) -> V { return m.yhzh; }},
                    {DbfField::text("jbjgbh", 16), [](const M& m, const M&) -> V { return m.unit.jbjgbh; }},
                    {DbfField::date("khrq"), [](const M&, const M&) -> V { return "2022-07-01"; }}},
                   one, whole);
}

KindLayout xqxx() {
    using E = CentreCommunity;
    return kind_layout<E>({{DbfField::number("blz10", 10), [](const M& m, const E&) { return unit_number(m); }},
                    {DbfField::text("xqmc", 60), [](const M&, const E& e) -> V { return e.xqmc; }},
                    {DbfField::text("xqdz", 100), [](const M&, const E& e) -> V { return e.xqdz; }}},
                   [](const M& m) { return int(m.communities.size()); },
                   [](const M& m, int i) -> const E& { return m.communities[std::size_t(i)]; });
}

const std::string& community_of(const M& m, int c) { return m.communities[std::size_t(c)].xqmc; }

KindLayout zxx() {
    using E = CentreBuilding;
    return kind_layout<E>({{DbfField::number("blz10", 10), [](const M& m, const E&) { return unit_number(m); }},
                    {DbfField::text("xqmc", 60), [](const M& m, const E& e) -> V { return community_of(m, e.community); }},
                    {DbfField::text("zmc", 60), [](const M&, const E& e) -> V { return e.zmc; }},
                    {DbfField::text("zlx", 4), [](const M&, const E& e) -> V { return e.zlx; }},
                    {DbfField::number("cs", 3), [](const M&, const E& e) -> V { return std::int64_t(e.cs); }},
                    {DbfField::number("slzmj", 12, 2), [](const M&, const E& e) -> V { return e.slzmj; }},
                    {DbfField::number("sldj", 10, 2), [](const M&, const E& e) -> V { return e.sldj; }},
                    {money("slzje"), [](const M&, const E& e) -> V { return e.slzje(); }}},
                   [](const M& m) { return int(m.buildings.size()); },
                   [](const M& m, int i) -> const E& { return m.buildings[std::size_t(i)]; });
}

const std::string& building_of(const M& m, int b) { return m.buildings[std::size_t(b)].zmc; }

KindLayout hxx() {
    using E = CentreHousehold;
    return kind_layout<E>(
        {{DbfField::number("blz10", 10), [](const M& m, const E&) { return unit_number(m); }},
         {DbfField::text("xqmc", 60), [](const M& m, const E& e) -> V { return community_of(m, e.community); }},
         {DbfField::text("zmc", 60), [](const M& m, const E& e) -> V { return building_of(m, e.building); }},
         {DbfField::text("fhmc", 48), [](const M&, const E& e) -> V { return e.fhmc; }},
         {DbfField::text("hmc", 60),
          [](const M& m, const E& e) -> V { return community_of(m, e.community) + building_of(m, e.building) + e.fhmc; }},
         {DbfField::text("dy", 16), [](const M&, const E& e) -> V { return e.dy; }},
         {DbfField::text("cg", 16), [](const M&, const E& e) -> V { return e.cg; }},
         {DbfField::text("fh", 16), [](const M&, const E& e) -> V { return e.fh; }},
         {DbfField::text("xm", 30), [](const M&, const E& e) -> V { return e.xm; }},
         {DbfField::text("zjlx", 2), [](const M&, const E& e) -> V { return e.zjlx; }},
         {DbfField::text("sfzh", 30), [](const M&, const E& e) -> V { return e.sfzh; }},
         {DbfField::text("fwxz", 2), [](const M&, const E& e) -> V { return e.fwxz; }},
         {DbfField::number("jzmj", 10, 2), [](const M&, const E& e) -> V { return e.jzmj; }},
         {DbfField::number("fgcbj", 12, 2), [](const M&, const E& e) -> V { return e.fgcbj; }},
         {DbfField::number("dj", 10, 2), [](const M&, const E& e) -> V { return e.dj; }}},
        [](const M& m) { return int(m.households.size()); },
        [](const M& m, int i) -> const E& { return m.households[std::size_t(i)]; });
}

KindLayout ckzhxx() {
    using E = CentreAccount;
    return kind_layout<E>(
        {{DbfField::text("ckbh", 10), [](const M&, const E& e) -> V { return std::to_string(e.ckbh); }},
         {DbfField::number("dwbh", 6), [](const M& m, const E&) { return unit_number(m); }},
         {DbfField::text("xqmc", 60), [](const M& m, const E& e) -> V { return e.community < 0 ? "" : community_of(m, e.community); }},
         {DbfField::text("zmc", 60), [](const M& m, const E& e) -> V { return e.building < 0 ? "" : building_of(m, e.building); }},
         {DbfField::text("fhmc", 48),
          [](const M& m, const E& e) -> V { return e.household < 0 ? "" : m.households[std::size_t(e.household)].fhmc; }},
         {DbfField::text("zhlx", 1), [](const M&, const E& e) -> V { return e.zhlx; }},
         {DbfField::text("ckzt", 2), [](const M&, const E& e) -> V { return e.ckzt; }},
         {DbfField::text("cklb", 10), [](const M&, const E& e) -> V { return e.cklb; }},
         {DbfField::text("cczm_ffbz", 4), [](const M&, const E& e) -> V { return e.cczm_ffbz; }},
         {DbfField::date("khrq"), [](const M&, const E& e) -> V { return e.khrq; }},
         {DbfField::date("qxrq"), [](const M&, const E& e) -> V { return e.qxrq; }},
         {DbfField::date("dqrq"), [](const M&, const E& e) -> V { return e.dqrq; }},
         {DbfField::number("ll", 8, 4), [](const M&, const E& e) -> V { return e.ll; }},
         {DbfField::text("hm", 60), [](const M&, const E& e) -> V { return e.hm; }},
         {DbfField::text("zh", 30), [](const M&, const E& e) -> V { return e.zh; }},
         {money("wdzbj"), [](const M&, const E& e) -> V { return e.wdzbj; }},
         {money("gblx_dw"), [](const M&, const E& e) -> V { return e.gblx_dw; }},
         {DbfField::text("dwjc_yjlx", 3), [](const M&, const E& e) -> V { return e.dwjc_yjlx; }},
         {DbfField::number("dwbl", 10, 4), [](const M&, const E& e) -> V { return e.dwbl; }},
         {money("dwbje"), [](const M&, const E& e) -> V { return e.dwbje; }},
         {money("ye"), [](const M&, const E& e) -> V { return e.ye; }},
         {money("gblx_gr"), [](const M&, const E& e) -> V { return e.gblx_gr; }},
         {DbfField::text("grjc_yjlx", 3), [](const M&, const E& e) -> V { return e.grjc_yjlx; }},
         {DbfField::number("grbl", 10, 4), [](const M&, const E& e) -> V { return e.grbl; }},
         {money("grbje"), [](const M&, const E& e) -> V { return e.grbje; }},
         {DbfField::text("jbjgbh", 16), [](const M& m, const E&) -> V { return m.unit.jbjgbh; }},
         {DbfField::text("bzxx", 60), [](const M&, const E&) -> V { return ""; }}},
        [](const M& m) { return int(m.accounts.size()); },
        [](const M& m, int i) -> const E& { return m.accounts[std::size_t(i)]; });
}

const CentreAccount& account_of(const M& m, const CentreJournalRow& r) { return m.accounts[std::size_t(r.account)]; }

KindLayout ywls() {
    using E = CentreJournalRow;
    const auto zero = [](const M&, const E&) -> V { return 0.0; };
    const auto empty = [](const M&, const E&) -> V { return ""; };
    return kind_layout<E>(
        {{DbfField::text("lsh", 20), [](const M&, const E& e) -> V { return e.lsh; }},
         {DbfField::number("dwbh", 6), [](const M& m, const E&) { return unit_number(m); }},
         {DbfField::number("ckh", 10), [](const M& m, const E& e) -> V { return account_of(m, e).ckbh; }},
         {DbfField::text("zh", 30), [](const M& m, const E& e) -> V { return account_of(m, e).zh; }},
         {DbfField::text("zhlx", 1), [](const M& m, const E& e) -> V { return account_of(m, e).zhlx; }},
         {DbfField::text("ckzt", 2), [](const M& m, const E& e) -> V { return account_of(m, e).ckzt; }},
         {DbfField::text("cklb", 10), [](const M& m, const E& e) -> V { return account_of(m, e).cklb; }},
         {money("fsje"), [](const M&, const E& e) -> V { return e.fsje; }},
         {money("ye"), [](const M&, const E& e) -> V { return e.ye; }},
         {DbfField::text("ywlx", 4), [](const M&, const E& e) -> V { return e.ywlx; }},
         {DbfField::text("fsfs", 4), [](const M&, const E& e) -> V { return e.fsfs; }},
         {money("wdzbj"), zero},
         {money("bj"), [](const M&, const E& e) -> V { return e.bj; }},
         {money("zqe"), zero},
         {money("zce"), zero},
         {money("zqlxe"), zero},
         {money("zclxe"), zero},
         {DbfField::date("jzrq"), [](const M&, const E& e) -> V { return e.jzrq; }},
         {DbfField::text("zph", 20), [](const M&, const E& e) -> V { return e.zph; }},
         {DbfField::date("czsj"), [](const M&, const E& e) -> V { return e.czsj; }},
         {DbfField::text("czy", 20), [](const M&, const E& e) -> V { return e.czy; }},
         {DbfField::text("zh1", 30), [](const M&, const E& e) -> V { return e.zh1; }},
         {DbfField::text("zh2", 30), empty},
         {DbfField::text("zh3", 30), empty},
         {DbfField::text("zh4", 30), empty},
         {DbfField::text("zcbz", 4), empty},
         {DbfField::text("dzbz", 4), [](const M&, const E& e) -> V { return e.dzbz; }},
         {DbfField::text("dybz", 4), [](const M&, const E& e) -> V { return e.dybz; }},
         {DbfField::text("zjxz", 8), [](const M&, const E&) -> V { return "palvor"; }},
         {DbfField::text("fsyy", 8), empty},
         {DbfField::text("ywfs", 8), [](const M&, const E&) -> V { return "palvor"; }},
         {DbfField::text("czbj", 4), [](const M&, const E&) -> V { return "zc"; }},
         {DbfField::text("bzxx", 60), [](const M&, const E& e) -> V { return e.bzxx; }},
         {DbfField::text("jbjgbh", 16), [](const M& m, const E&) -> V { return m.unit.jbjgbh; }}},
        [](const M& m) { return int(m.journal.size()); },
        [](const M& m, int i) -> const E& { return m.journal[std::size_t(i)]; });
}

const KindLayout& layout_of(DownloadKind kind) {
    static const std::vector<KindLayout> layouts = {dwdjxx(), dwkhxx(), xqxx(), zxx(), hxx(), ckzhxx(), ywls()};
    return layouts.at(std::size_t(kind));
}

}  // namespace

const std::vector<store::DbfField>& download_layout(DownloadKind kind) { return layout_of(kind).fields; }

namespace centre_rows {

int row_count(const CentreModel& model, DownloadKind kind) { return layout_of(kind).count(model); }

void fill(const CentreModel& model, DownloadKind kind, int index, std::vector<DownloadValue>& out) {
    layout_of(kind).fill(model, index, out);
}

}  // namespace centre_rows
}  // namespace tools
