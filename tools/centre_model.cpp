#include "centre_model.h"

#include <chrono>
#include <cstdio>

#include "core/format.h"
#include "store/errors.h"

namespace tools {
namespace {

const char* kPlaces[] = {"阳光", "幸福", "翠苑", "金色", "和平", "东方", "锦绣", "明珠", "华庭", "滨江",
                         "紫荆", "丽景", "碧水", "春晓", "绿洲", "天鹅", "桂花", "望湖", "清河", "书香"};
const char* kSuffixes[] = {"小区", "家园", "花园", "苑", "新村", "公寓"};
const char* kDistricts[] = {"城东区", "城西区", "滨湖区", "高新区"};
const char* kRoads[] = {"解放路", "人民路", "文化路", "建设路", "中山路", "新华路", "湖滨路", "江南大道"};
const char* kSurnames[] = {"王", "李", "张", "刘", "陈", "杨", "赵", "黄", "周", "吴", "徐", "孙",
                           "胡", "朱", "高", "林", "何", "郭", "马", "罗", "梁", "宋", "郑", "谢"};
const char* kGiven[] = {"伟", "芳", "娜", "敏", "静", "丽", "强", "磊", "军", "洋", "勇", "艳", "杰", "涛", "明",
                        "超", "秀英", "华", "平", "刚", "桂英", "建国", "志强", "玉兰", "海燕", "文", "婷", "斌", "鹏", "霞"};
const char* kRegions[] = {"330102", "330103", "330104", "330105", "330106", "330108"};
const char* kOperators[] = {"王晓燕", "陈建国", "李红梅"};

template <class T, std::size_t N>
constexpr int count_of(T (&)[N]) {
    return int(N);
}

std::string pad(long long value, int width) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%0*lld", width, value);
    return buf;
}

std::string add_days(int y, unsigned m, unsigned d, int days) {
    using namespace std::chrono;
    year_month_day ymd{sys_days{year{y} / month{m} / day{d}} + std::chrono::days{days}};
    return palvor::date_text(int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day())));
}

std::string add_months(const std::string& date, int months) {
    int y = std::stoi(date.substr(0, 4)), m = std::stoi(date.substr(5, 2)) - 1 + months, d = std::stoi(date.substr(8, 2));
    y += m / 12;
    m %= 12;
    return palvor::date_text(y, m + 1, d > 28 ? 28 : d);
}

// An 18-character resident identity number with a correct check character.
std::string identity_number(int h) {
    std::string base = std::string(kRegions[h % count_of(kRegions)]);
    std::string birth = add_days(1950, 1, 1, int(h * 2749LL % 18000));
    base += birth.substr(0, 4) + birth.substr(5, 2) + birth.substr(8, 2) + pad(h % 1000, 3);
    static const int weights[] = {7, 9, 10, 5, 8, 4, 2, 1, 6, 3, 7, 9, 10, 5, 8, 4, 2};
    int sum = 0;
    for (int i = 0; i < 17; ++i) sum += (base[std::size_t(i)] - '0') * weights[i];
    return base + "10X98765432"[sum % 11];
}

std::string owner_name(int h) {
    const int given = count_of(kGiven), first = (h * 7 + h / 24) % given, second = (h * 13 + 5) % given;
    std::string name = std::string(kSurnames[h % count_of(kSurnames)]) + kGiven[first];
    if (h % 3) name += kGiven[second == first ? (second + 1) % given : second];
    return name;
}

std::string community_name(int c) {
    const int places = count_of(kPlaces), kinds = places * count_of(kSuffixes);
    std::string name = std::string(kPlaces[c % places]) + kSuffixes[(c / places) % count_of(kSuffixes)];
    if (c >= kinds) name += std::to_string(c / kinds + 1) + "期";
    return name;
}

struct AccountKind {
    const char* ckzt;
    const char* cklb;
    double ll;
    int months;  // term of a fixed deposit
};
const AccountKind kCurrent{"hq", "wxjj_hq", 0.35, 0};
const AccountKind kSealed{"fc", "wxjj_fc", 0.35, 0};
const AccountKind kFixed[] = {{"dq", "wxjj_03", 1.1, 3},  {"dq", "wxjj_06", 1.3, 6},  {"dq", "wxjj_10", 1.5, 12},
                              {"dq", "wxjj_20", 2.1, 24}, {"dq", "wxjj_30", 2.75, 36}, {"dq", "wxjj_50", 2.75, 60}};

// The i-th account of one owner: current first, then fixed, then sealed, in turn.
const AccountKind& account_kind(int i, int owner) {
    if (i % 3 == 0) return kCurrent;
    if (i % 3 == 2) return kSealed;
    return kFixed[owner % count_of(kFixed)];
}

void check(const CentreUnit& unit, const CentreSize& s) {
    bool digits = unit.dwdjh.size() == 6;
    for (char ch : unit.dwdjh) digits = digits && ch >= '0' && ch <= '9';
    if (!digits) throw palvor::Error("单位登记号必须是6位数字：" + unit.dwdjh);
    for (int n : {s.communities, s.buildings_per_community, s.households_per_building, s.unit_accounts,
                  s.accounts_per_community, s.accounts_per_building, s.accounts_per_household, s.journal_rows})
        if (n < 0) throw palvor::Error("数量不能为负数：" + std::to_string(n));
}

class Builder {
public:
    Builder(const CentreUnit& unit, const CentreSize& size) : size_(size) {
        m_.unit = unit;
        m_.yhzh = "3305016171" + unit.dwdjh + "01";
    }

    CentreModel build() {
        for (int c = 0; c < size_.communities; ++c) {
            m_.communities.push_back({community_name(c), std::string(kDistricts[c % count_of(kDistricts)]) +
                                                             kRoads[(c * 5 + c / 4) % count_of(kRoads)] +
                                                             std::to_string(c * 12 + 18) + "号"});
            for (int b = 0; b < size_.buildings_per_community; ++b) add_building(c, b);
        }
        add_accounts();
        add_journal();
        return std::move(m_);
    }

private:
    void add_building(int c, int b) {
        CentreBuilding bu;
        bu.community = c;
        bu.zmc = std::to_string(b + 1) + "幢";
        bu.zlx = b % 3 == 2 ? "gc" : "dc";
        bu.cs = bu.zlx == "gc" ? 18 : 6;
        bu.sldj = 4500 + (c % 10) * 250 + (b % 4) * 50;
        const int index = int(m_.buildings.size());
        double area = 0;
        for (int k = 0; k < size_.households_per_building; ++k) {
            const int h = int(m_.households.size());
            const int per_unit = 2 * bu.cs, floor = (k % per_unit) / 2 + 1;
            CentreHousehold ho;
            ho.community = c;
            ho.building = index;
            ho.dy = std::to_string(k / per_unit + 1);
            ho.cg = std::to_string(floor);
            ho.fh = std::to_string(floor * 100 + k % 2 + 1);
            ho.fhmc = ho.dy + "-" + ho.cg + "-" + ho.fh;
            ho.xm = owner_name(h);
            ho.zjlx = h % 25 == 24 ? "03" : "01";
            ho.sfzh = ho.zjlx == "01" ? identity_number(h) : "E" + pad(10000000 + h % 90000000, 8);
            ho.fwxz = h % 10 == 0 ? "01" : h % 10 == 5 ? "04" : "03";
            ho.jzmj = 60 + double(h * 2917LL % 8000) / 100.0;
            ho.dj = bu.sldj;
            ho.fgcbj = ho.fwxz == "01" ? palvor::round2(ho.jzmj * 1480) : 0;
            area += ho.jzmj;
            m_.households.push_back(std::move(ho));
        }
        bu.slzmj = size_.households_per_building ? palvor::round2(area) : 3000 + b * 120.5;
        m_.buildings.push_back(std::move(bu));
    }

    CentreAccount& new_account(const char* zhlx, int i, int owner, const std::string& hm) {
        CentreAccount a;
        a.ckbh = std::int64_t(m_.accounts.size()) + 1;
        a.zh = "3305016172" + pad(a.ckbh, 8);
        a.zhlx = zhlx;
        const AccountKind& k = account_kind(i, owner);
        a.ckzt = k.ckzt;
        a.cklb = k.cklb;
        a.ll = k.ll;
        a.cczm_ffbz = a.ckbh % 2 == 0 ? "yff" : "wff";
        a.hm = hm;
        a.khrq = add_days(2023, 3, 1, int(a.ckbh % 300));
        a.qxrq = a.khrq;
        if (k.months) a.dqrq = add_months(a.khrq, k.months);
        m_.accounts.push_back(std::move(a));
        return m_.accounts.back();
    }

    static void unit_part(CentreAccount& a, double ye) {
        a.ye = palvor::round2(ye);
        a.dwjc_yjlx = "abz";
        a.dwbl = 0;
        a.dwbje = a.ye;
    }

    void add_accounts() {
        for (int i = 0; i < size_.unit_accounts; ++i) unit_part(new_account("W", i, 0, m_.unit.dwmc), 50000 + i * 1000);
        for (int c = 0; c < int(m_.communities.size()); ++c)
            for (int i = 0; i < size_.accounts_per_community; ++i) {
                CentreAccount& a = new_account("Q", i, c, m_.communities[std::size_t(c)].xqmc);
                a.community = c;
                unit_part(a, 20000 + (c % 50) * 500 + i * 100);
            }
        for (int b = 0; b < int(m_.buildings.size()); ++b)
            for (int i = 0; i < size_.accounts_per_building; ++i) {
                const CentreBuilding& bu = m_.buildings[std::size_t(b)];
                CentreAccount& a = new_account("Z", i, b, m_.communities[std::size_t(bu.community)].xqmc + bu.zmc);
                a.community = bu.community;
                a.building = b;
                unit_part(a, bu.slzmj * 5 / (i + 1));
                a.dwbl = 5;
            }
        for (int h = 0; h < int(m_.households.size()); ++h)
            for (int i = 0; i < size_.accounts_per_household; ++i) {
                const CentreHousehold& ho = m_.households[std::size_t(h)];
                // The centre writes the level in lower case now and then.
                CentreAccount& a = new_account(h % 7 == 3 ? "h" : "H", i, h, ho.xm);
                a.community = ho.community;
                a.building = ho.building;
                a.household = h;
                const bool by_ratio = h % 4 != 3;
                a.dwjc_yjlx = a.grjc_yjlx = by_ratio ? "abl" : "abz";
                a.dwbl = a.grbl = by_ratio ? 0.01 : 30;
                const double base = by_ratio ? ho.jzmj * ho.dj * 0.01 : ho.jzmj * 30;
                a.dwbje = a.grbje = palvor::round2(base / (i + 1));
                a.ye = palvor::round2(a.dwbje + a.grbje);
            }
    }

    // Rows go round the accounts in date order; an account's rows add up to its balance, the
    // last of three or more being the year's interest.
    void add_journal() {
        const int n = int(m_.accounts.size()), rows = n ? size_.journal_rows : 0;
        for (int j = 0; j < rows; ++j) {
            const int a = j % n, k = j / n, m = rows / n + (a < rows % n ? 1 : 0);
            const CentreAccount& acc = m_.accounts[std::size_t(a)];
            CentreJournalRow r;
            r.lsh = "2024" + pad(j + 1, 8);
            r.account = a;
            r.jzrq = r.czsj = add_days(2024, 1, 2, int((long long)j * 200 / rows));
            r.czy = kOperators[j % count_of(kOperators)];
            const bool interest = m >= 3 && k == m - 1;
            const double interest_amount = m >= 3 ? palvor::round2(acc.ye * 0.0035 * 0.5) : 0;
            const int deposits = m >= 3 ? m - 1 : m;
            const double share = palvor::round2((acc.ye - interest_amount) / deposits);
            if (interest) {
                r.ywlx = "04";
                r.fsfs = "zz";
                r.fsje = interest_amount;
                r.bzxx = "年度结息";
            } else {
                r.ywlx = "01";
                r.fsfs = j % 5 == 4 ? "xj" : "zz";
                r.fsje = k == deposits - 1 ? palvor::round2(acc.ye - interest_amount - share * (deposits - 1)) : share;
                if (r.fsfs == "zz") {
                    r.zph = pad(10200000 + j, 8);
                    r.zh1 = m_.yhzh;
                }
                r.bzxx = "缴存维修基金";
            }
            const double deposited = interest ? acc.ye - interest_amount
                                               : (k == deposits - 1 ? acc.ye - interest_amount : share * (k + 1));
            r.bj = palvor::round2(deposited);
            r.ye = palvor::round2(interest ? acc.ye : deposited);
            r.dzbz = j % 13 == 12 ? "qr" : "dz";
            r.dybz = j % 2 ? "" : "ydy";
            m_.journal.push_back(std::move(r));
        }
    }

    CentreSize size_;
    CentreModel m_;
};

}  // namespace

double CentreBuilding::slzje() const { return palvor::round2(slzmj * sldj); }

CentreModel build_centre_model(const CentreUnit& unit, const CentreSize& size) {
    check(unit, size);
    return Builder(unit, size).build();
}

}  // namespace tools
