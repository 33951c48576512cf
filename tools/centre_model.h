#pragma once
// The fund centre's picture of one unit, built in memory from a few size numbers: communities,
// buildings, households with owners, deposit accounts and the business journal on them. Every
// name is unique where the reception looks it up, and every reference points at something that
// exists, so the download files written from it agree with each other.
#include <cstdint>
#include <string>
#include <vector>

namespace tools {

struct CentreUnit {
    std::string dwdjh = "000123";  // six digits
    std::string dwmc = "滨江市阳光房地产开发有限公司";
    std::string jbjgbh = "0101";  // handling institution of the centre
};

struct CentreSize {
    int communities = 3;
    int buildings_per_community = 2;
    int households_per_building = 4;
    int unit_accounts = 1;            // "W" accounts of the unit itself
    int accounts_per_community = 0;   // "Q"
    int accounts_per_building = 1;    // "Z"
    int accounts_per_household = 1;   // "H"
    int journal_rows = 20;
};

struct CentreCommunity {
    std::string xqmc, xqdz;
};

struct CentreBuilding {
    int community = 0;  // index into communities
    std::string zmc, zlx;  // zlx as the centre writes it: "gc" / "dc"
    int cs = 0;
    double slzmj = 0, sldj = 0;
    double slzje() const;
};

struct CentreHousehold {
    int community = 0, building = 0;  // indexes
    std::string fhmc, dy, cg, fh, xm, zjlx, sfzh, fwxz;  // zjlx, fwxz: code-table codes
    double jzmj = 0, fgcbj = 0, dj = 0;
};

struct CentreAccount {
    std::int64_t ckbh = 0;
    std::string zh, zhlx, ckzt, cklb, cczm_ffbz, hm;
    int community = -1, building = -1, household = -1;  // owners by level; -1 when none
    std::string khrq, qxrq, dqrq;
    double ll = 0, wdzbj = 0, ye = 0, gblx_dw = 0, dwbl = 0, dwbje = 0, gblx_gr = 0, grbl = 0, grbje = 0;
    std::string dwjc_yjlx, grjc_yjlx;
};

struct CentreJournalRow {
    std::string lsh;
    int account = 0;  // index into accounts
    std::string ywlx, fsfs, jzrq, zph, czsj, czy, zh1, dzbz, dybz, bzxx;
    double fsje = 0, ye = 0, bj = 0;
};

struct CentreModel {
    CentreUnit unit;
    std::string yhzh;  // the unit's own bank account, the other side of transfers
    std::vector<CentreCommunity> communities;
    std::vector<CentreBuilding> buildings;
    std::vector<CentreHousehold> households;
    std::vector<CentreAccount> accounts;
    std::vector<CentreJournalRow> journal;
};

// Deterministic: the same unit and size always give the same model. Throws palvor::Error for a
// unit number that is not six digits or a negative size.
CentreModel build_centre_model(const CentreUnit& unit, const CentreSize& size);

}  // namespace tools
