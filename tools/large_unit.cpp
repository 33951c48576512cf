#include "large_unit.h"

#include <string>

#include "store/sqlite.h"

namespace tools {
namespace {

const char* kSurnames[] = {"王", "李", "张", "刘", "陈", "杨", "赵", "黄", "周", "吴", "徐", "孙"};
const char* kGiven[] = {"伟", "芳", "娜", "敏", "静", "丽", "强", "磊", "军", "洋", "勇", "艳", "杰", "涛"};
const char* kPlaces[] = {"阳光", "幸福", "翠苑", "金色", "和平", "东方", "锦绣", "明珠", "华庭", "滨江"};

}  // namespace

void fill_large_unit(store::Database& db, const LargeUnitSize& size) {
    store::Transaction tx(db);
    auto community = db.prepare("INSERT INTO jbxx_xqxxk (xqbh, xqxh, xqmc, xqdz, dwdjh) VALUES (?1, 0, ?2, ?3, '000001')");
    auto building = db.prepare(
        "INSERT INTO jbxx_zxxk (zbh, zxh, zmc, zlx, zcs, slzmj, sldj, slzje, fwlx, dwdjh, xqbh)"
        " VALUES (?1, 0, ?2, ?3, 18, 9000, 3000, 27000000, '', '000001', ?4)");
    auto household = db.prepare(
        "INSERT INTO jbxx_hxxk (hbh, hxh, fhxm, dyh, cg, fh, fwlx, hzxm, hzzjlx, hzzjh, jzmj, fgcbj, dj, zj, dwdjh, xqbh, zbh)"
        " VALUES (?1, 0, ?2, ?3, ?4, ?5, '商品房', ?6, '公民身份证', ?7, 89.5, 0, 3000, 268500, '000001', ?8, ?9)");
    auto account = db.prepare(
        "INSERT INTO jbxx_zhxxk (zhbh, yhzh, zhlx, zhzt, zhlb, cczmffbz, fwlx, xqbh, xqmc, zbh, zmc, hbh, hmc, khrq, qxrq,"
        " ll, ye, dwjc_yjlx, dwbl, dwbje, grjc_yjlx, grbl, grbje)"
        " VALUES (?1, ?2, '到户', '活期', '活期存款', '未发放', '商品房', ?3, ?4, ?5, ?6, ?7, ?8, '2024-01-15', '2024-01-15',"
        " 0.35, ?9, '按比例', 0.02, ?10, '按比例', 0.02, ?10)");
    auto batch = db.prepare(
        "INSERT INTO ywcl_jcpzk1 (pzh, zzrq, pzlx, jcfs, ph, jczje, sjjczje, jzbs, jzrq, czy, czsj)"
        " VALUES (?1, '2024-01-15', '缴存', '转账', '11111111', ?2, ?2, ?3, '2024-01-16', 'SYSTEM', '2024-01-15')");
    auto line = db.prepare(
        "INSERT INTO ywcl_jcpzk2 (pzh, ywxh, zzrq, pzlx, zhlx, zhzt, zhlb, dwdjh, xqbh, zbh, hbh, fwlx, zhbh, zh, jczt, skrq,"
        " dwjc_yjlx, dwbl, dwbje, grjc_yjlx, grbl, grbje, jzrq)"
        " VALUES (?1, ?2, '2024-01-15', '缴存', '到户', '活期', '活期存款', '000001', ?3, ?4, ?5, '商品房', ?6, ?7, ?8,"
        " '2024-01-15', '按比例', 0.02, ?9, '按比例', 0.02, ?9, '2024-01-16')");

    const int per_building = size.households_per_building;
    const int buildings = (size.households + per_building - 1) / per_building;
    const int communities = (buildings + size.buildings_per_community - 1) / size.buildings_per_community;
    for (int c = 1; c <= communities; ++c) {
        community.reset();
        std::string name = std::string(kPlaces[c % 10]) + kPlaces[(c / 10) % 10] + "小区" + std::to_string(c);
        community.bind(1, c).bind(2, name).bind(3, "城东路" + std::to_string(c) + "号").run();
    }
    for (int b = 1; b <= buildings; ++b) {
        building.reset();
        building.bind(1, b).bind(2, std::to_string((b - 1) % size.buildings_per_community + 1) + "幢")
            .bind(3, b % 3 ? "多层" : "高层").bind(4, (b - 1) / size.buildings_per_community + 1).run();
    }
    int pzh = 0, ywxh = 0;
    double batch_total = 0;
    for (int h = 1; h <= size.households; ++h) {
        int b = (h - 1) / per_building + 1;
        int c = (b - 1) / size.buildings_per_community + 1;
        int k = (h - 1) % per_building;
        std::string dy = std::to_string(k / 20 + 1), cg = std::to_string(k % 20 / 2 + 1),
                    fh = std::to_string((k % 20 / 2 + 1) * 100 + k % 2 + 1);
        std::string fhxm = dy + "-" + cg + "-" + fh;
        std::string owner = std::string(kSurnames[h % 12]) + kGiven[h % 14] + (h % 3 ? kGiven[(h / 14) % 14] : "");
        household.reset();
        household.bind(1, h).bind(2, fhxm).bind(3, dy).bind(4, cg).bind(5, fh).bind(6, owner)
            .bind(7, "3301" + std::to_string(100000000000LL + h)).bind(8, c).bind(9, b).run();
        double amount = 1000 + (h % 97) * 10.5;
        account.reset();
        account.bind(1, h).bind(2, "3301" + std::to_string(800000000LL + h)).bind(3, c).bind(4, "小区" + std::to_string(c))
            .bind(5, b).bind(6, std::to_string(b) + "幢").bind(7, h).bind(8, fhxm).bind(9, 2 * amount).bind(10, amount).run();
        for (int l = 0; l < size.lines_per_household; ++l) {
            if (ywxh == 0) ++pzh;
            ++ywxh;
            line.reset();
            line.bind(1, pzh).bind(2, ywxh).bind(3, c).bind(4, b).bind(5, h).bind(6, h)
                .bind(7, "3301" + std::to_string(800000000LL + h)).bind(8, l ? "续存" : "初存").bind(9, amount / 2).run();
            batch_total += amount;
            if (ywxh == size.lines_per_batch) {
                batch.reset();
                batch.bind(1, pzh).bind(2, batch_total).bind(3, ywxh).run();
                ywxh = 0;
                batch_total = 0;
            }
        }
    }
    if (ywxh) {
        batch.reset();
        batch.bind(1, pzh).bind(2, batch_total).bind(3, ywxh).run();
    }
    tx.commit();
}

}  // namespace tools
