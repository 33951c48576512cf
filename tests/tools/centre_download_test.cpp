#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <map>
#include <set>

#include "centre_download.h"
#include "core/format.h"
#include "exchange/archiver.h"
#include "store/dbf_reader.h"
#include "store/errors.h"
#include "support/temp_dir.h"

using store::DbfReader;
using testing_support::read_file;
using testing_support::TempDir;
using testing_support::write_file;
using tools::DownloadKind;
namespace fs = std::filesystem;

namespace {

// Every owner level, several accounts per household (current, fixed, sealed), interest rows.
const tools::CentreSize kSize{.communities = 3, .buildings_per_community = 3, .households_per_building = 5,
                              .unit_accounts = 1, .accounts_per_community = 1, .accounts_per_building = 1,
                              .accounts_per_household = 3, .journal_rows = 500};

// The codes (first column) of one of the program's code tables.
std::set<std::string> codes(const std::string& table) {
    std::ifstream in(std::string(PALVOR_SOURCE_DIR) + "/data/codes/" + table + ".csv");
    std::string line;
    std::getline(in, line);  // header
    std::set<std::string> out;
    while (std::getline(in, line)) out.insert(line.substr(0, line.find(',')));
    return out;
}

class CentreDownloadTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto made = download.write_set(dir.path());
        ASSERT_EQ(made.size(), 7u);
    }
    DbfReader open(DownloadKind kind) const { return DbfReader((dir / tools::download_file_name(kind)).string()); }

    TempDir dir;
    tools::CentreDownload download{{"000123", "滨江市阳光房地产开发有限公司", "0101"}, kSize};
};

}  // namespace

TEST_F(CentreDownloadTest, FieldCountsAndPositionsAreThoseTheReceptionsCheck) {
    struct Case {
        DownloadKind kind;
        int fields;  // 0: not checked
        std::vector<std::pair<int, std::string>> at;  // 1-based positions
        const char* unit_field;
    };
    const Case cases[] = {
        {DownloadKind::Dwdjxx, 32, {{1, "dwbh"}, {3, "dwmc"}}, "dwbh"},
        {DownloadKind::Dwkhxx, 9, {{1, "dwbh"}, {7, "yhzh"}}, "dwbh"},
        {DownloadKind::Xqxx, 3, {{1, "blz10"}, {2, "xqmc"}, {3, "xqdz"}}, "blz10"},
        {DownloadKind::Zxx, 8, {{1, "blz10"}, {3, "zmc"}, {8, "slzje"}}, "blz10"},
        {DownloadKind::Hxx, 0, {}, "blz10"},
        {DownloadKind::Ckzhxx, 27, {{2, "dwbh"}, {15, "zh"}, {21, "ye"}}, "dwbh"},
        {DownloadKind::Ywls, 34, {{2, "dwbh"}, {4, "zh"}, {9, "ye"}}, "dwbh"},
    };
    const std::map<DownloadKind, std::vector<std::string>> read_by_name = {
        {DownloadKind::Dwdjxx, {"zzjgdm", "dwxz", "djrq", "dwzjlx", "zjlx", "dwxzbm", "jbjgbh", "blz2", "fzrsfzhfb", "qt"}},
        {DownloadKind::Hxx, {"xqmc", "zmc", "fhmc", "hmc", "dy", "cg", "fh", "xm", "zjlx", "sfzh", "fwxz", "jzmj", "fgcbj", "dj"}},
        {DownloadKind::Ckzhxx, {"ckbh", "cczm_ffbz", "dqrq", "gblx_dw", "dwjc_yjlx", "grjc_yjlx", "grbje"}},
        {DownloadKind::Ywls, {"lsh", "ckh", "ywlx", "fsfs", "zqlxe", "czsj", "zh4", "dzbz", "fsyy", "czbj", "bzxx"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(tools::kind_code(c.kind));
        DbfReader in = open(c.kind);
        if (c.fields) {
            EXPECT_EQ(in.field_count(), c.fields);
        }
        for (const auto& [pos, name] : c.at) EXPECT_TRUE(store::dbf_name_equal(in.field(pos - 1).name, name)) << pos;
        ASSERT_GT(in.row_count(), 0);
        EXPECT_EQ(in.row(0).integer(c.unit_field), 123);
        EXPECT_EQ(in.row_count(), download.row_count(c.kind));
        if (auto it = read_by_name.find(c.kind); it != read_by_name.end()) {
            for (const auto& name : it->second) EXPECT_GE(in.field_index(name), 0) << name;
        }
    }
}

TEST_F(CentreDownloadTest, KindsReferToEachOtherAndUseTheCentresCodes) {
    std::set<std::string> communities, buildings, households;
    for (const auto& r : open(DownloadKind::Xqxx)) EXPECT_TRUE(communities.insert(r.text("xqmc")).second);
    for (const auto& r : open(DownloadKind::Zxx)) {
        EXPECT_TRUE(communities.count(r.text("xqmc"))) << r.text("xqmc");
        EXPECT_TRUE(buildings.insert(r.text("xqmc") + "|" + r.text("zmc")).second);
        EXPECT_TRUE(r.text("zlx") == "gc" || r.text("zlx") == "dc");
        EXPECT_EQ(r.real("slzje"), palvor::round2(r.real("slzmj") * r.real("sldj")));
    }
    const auto zjlx = codes("zjlx"), fwlx = codes("fwlx");
    for (const auto& r : open(DownloadKind::Hxx)) {
        EXPECT_TRUE(buildings.count(r.text("xqmc") + "|" + r.text("zmc")));
        EXPECT_TRUE(households.insert(r.text("xqmc") + "|" + r.text("zmc") + "|" + r.text("fhmc")).second);
        EXPECT_TRUE(zjlx.count(r.text("zjlx")) && fwlx.count(r.text("fwxz"))) << r.text("zjlx") << r.text("fwxz");
        EXPECT_FALSE(r.text("xm").empty());
    }
    DbfReader unit = open(DownloadKind::Dwdjxx);
    EXPECT_TRUE(codes("dwzjlx").count(unit.row(0).text("dwzjlx")));
    EXPECT_TRUE(codes("zijinlx").count(unit.row(0).text("zjlx")));
    const std::string dwxz = unit.row(0).text("dwxz");
    for (int level = 1; level <= 3; ++level)
        EXPECT_TRUE(codes("dwxzdmk" + std::to_string(level)).count(dwxz.substr(std::size_t(level - 1) * 2, 2)));

    const std::map<std::string, std::set<std::string>> categories = {
        {"hq", {"wxjj_hq"}}, {"fc", {"wxjj_fc"}},
        {"dq", {"wxjj_03", "wxjj_06", "wxjj_10", "wxjj_20", "wxjj_30", "wxjj_50"}}};
    struct Account {
        std::string zh, zhlx, ckzt, cklb;
        double ye;
    };
    std::map<long long, Account> accounts;
    std::set<std::string> bank_accounts, levels;
    for (const auto& r : open(DownloadKind::Ckzhxx)) {
        const std::string zhlx = r.text("zhlx"), ckzt = r.text("ckzt"), cklb = r.text("cklb");
        const char level = char(std::toupper(zhlx.at(0)));
        levels.insert(zhlx);
        EXPECT_TRUE(accounts.emplace(std::stoll(r.text("ckbh")), Account{r.text("zh"), zhlx, ckzt, cklb, r.real("ye")}).second);
        EXPECT_TRUE(bank_accounts.insert(r.text("zh")).second);
        ASSERT_TRUE(categories.count(ckzt)) << ckzt;
        EXPECT_TRUE(categories.at(ckzt).count(cklb)) << ckzt << cklb;
        if (level != 'W') {
            EXPECT_TRUE(communities.count(r.text("xqmc")));
        }
        if (level == 'Z' || level == 'H') {
            EXPECT_TRUE(buildings.count(r.text("xqmc") + "|" + r.text("zmc")));
        }
        if (level == 'H') {
            EXPECT_TRUE(households.count(r.text("xqmc") + "|" + r.text("zmc") + "|" + r.text("fhmc")));
            EXPECT_NEAR(r.real("ye"), r.real("dwbje") + r.real("grbje"), 0.001);
        }
    }
    EXPECT_EQ(levels, (std::set<std::string>{"W", "Q", "Z", "H", "h"}));

    const auto ywlx = codes("ywlx");
    std::map<long long, double> balance;  // running sum of the amounts
    std::set<std::string> business;
    for (const auto& r : open(DownloadKind::Ywls)) {
        auto it = accounts.find(r.integer("ckh"));
        ASSERT_NE(it, accounts.end()) << r.integer("ckh");
        EXPECT_EQ(r.text("zh"), it->second.zh);
        EXPECT_EQ(r.text("zhlx") + r.text("ckzt") + r.text("cklb"), it->second.zhlx + it->second.ckzt + it->second.cklb);
        EXPECT_TRUE(ywlx.count(r.text("ywlx"))) << r.text("ywlx");
        business.insert(r.text("ywlx"));
        double& sum = balance[r.integer("ckh")];
        sum += r.real("fsje");
        EXPECT_NEAR(r.real("ye"), sum, 0.001) << r.text("lsh");
    }
    for (const auto& [ckh, ye] : balance) EXPECT_NEAR(ye, accounts.at(ckh).ye, 0.001) << ckh;
    EXPECT_EQ(business, (std::set<std::string>{"01", "04"}));  // deposits and interest
}

TEST_F(CentreDownloadTest, IndependentReaderSeesTheChineseTexts) {
    const std::string script = (dir / "read.py").string(), out = (dir / "out.txt").string();
    write_file(script,
               "import sys, dbfread\n"
               "for name, fields in (('xqxx', 'XQMC XQDZ'), ('hxx', 'XQMC ZMC FHMC XM'), ('dwdjxx', 'DWMC ZGBM')):\n"
               "    t = dbfread.DBF(sys.argv[1] + '/zfzj_dwjk_xz_' + name + '.dbf', encoding='cp936')\n"
               "    for r in t:\n"
               "        print('|'.join(str(r[f]) for f in fields.split()))\n");
    const std::string cmd = "/usr/bin/python3 '" + script + "' '" + dir.str() + "' > '" + out + "' 2>&1";
    ASSERT_EQ(std::system(cmd.c_str()), 0) << "python3-dbfread is needed for this test:\n" << read_file(out);

    const auto& m = download.model();
    std::string expected;
    for (const auto& c : m.communities) expected += c.xqmc + "|" + c.xqdz + "\n";
    for (const auto& h : m.households)
        expected += m.communities[std::size_t(h.community)].xqmc + "|" + m.buildings[std::size_t(h.building)].zmc + "|" +
                    h.fhmc + "|" + h.xm + "\n";
    expected += m.unit.dwmc + "|滨江市住房保障和房产管理局\n";
    EXPECT_EQ(read_file(out), expected);
    EXPECT_EQ(m.communities.at(0).xqmc, "阳光小区");
    EXPECT_EQ(m.households.at(4).fhmc, "1-3-301");
}

TEST_F(CentreDownloadTest, FaultyVariantsDepartOnlyWhereAsked) {
    const fs::path path = dir / "bad.dbf";
    auto write = [&](DownloadKind kind, const tools::FileVariant& v) {
        download.write_file(kind, path, v);
        return DbfReader(path.string());
    };
    {
        DbfReader in = write(DownloadKind::Xqxx, {.unit_number = "000124"});
        EXPECT_EQ(in.row(0).integer("blz10"), 124);
        EXPECT_EQ(in.row(0).text("xqmc"), "阳光小区");
    }
    {
        auto order = tools::swap_fields(tools::download_field_names(DownloadKind::Zxx), "xqmc", "zmc");
        DbfReader in = write(DownloadKind::Zxx, {.fields = order});
        EXPECT_EQ(in.field_count(), 8);
        EXPECT_TRUE(store::dbf_name_equal(in.field(2).name, "xqmc"));
        EXPECT_EQ(in.row(0).text(2), "阳光小区");  // the values move with their names
    }
    {
        auto fewer = tools::drop_field(tools::download_field_names(DownloadKind::Ckzhxx), "bzxx");
        EXPECT_EQ(write(DownloadKind::Ckzhxx, {.fields = fewer}).field_count(), 26);
        auto more = tools::download_field_names(DownloadKind::Ywls);
        more.push_back("extra");
        DbfReader in = write(DownloadKind::Ywls, {.fields = more});
        EXPECT_EQ(in.field_count(), 35);
        EXPECT_EQ(in.row(0).text("extra"), "");
    }
    {
        DbfReader in = write(DownloadKind::Ckzhxx, {.edit = [](int row, tools::DownloadRow& r) {
                                                          if (row == 0) r.set("ckzt", std::string("dq"));
                                                      }});
        EXPECT_EQ(in.row(0).text("ckzt"), "dq");
        EXPECT_EQ(in.row(0).text("cklb"), "wxjj_hq");
        EXPECT_EQ(in.row(1).text("ckzt"), "hq");
        EXPECT_EQ(write(DownloadKind::Ywls, {.row_limit = 0}).row_count(), 0);
    }
    EXPECT_THROW(tools::CentreDownload({"12345", "x", "1"}, {}), palvor::Error);
}

TEST(CentreDownloadArchives, ReceiveAllArchiveAndButtonArchivesHoldTheCentresFiles) {
    TempDir dir;
    if (!exchange::Archiver(dir.path()).available()) GTEST_SKIP() << "arj is not installed";
    tools::CentreDownload download({"000123", "滨江市阳光房地产开发有限公司", "0101"}, kSize);
    download.write_set(dir / "out", {.plain_files = false, .button_files = true, .all_archive = true});
    EXPECT_FALSE(fs::exists(dir / "out" / tools::download_file_name(DownloadKind::Xqxx)));

    exchange::Archiver arj(dir.path());
    std::vector<std::string> names;
    for (DownloadKind kind : tools::download_kinds()) names.push_back(tools::download_file_name(kind));
    arj.extract_flat(dir / "out" / "000123_all.arj", dir / "all", names);
    for (DownloadKind kind : tools::download_kinds()) {
        SCOPED_TRACE(tools::kind_code(kind));
        const std::string button = read_file(dir / "out" / tools::button_file_name("000123", kind, "dbf"));
        EXPECT_EQ(read_file(dir / "all" / tools::download_file_name(kind)), button);
        arj.extract_flat(dir / "out" / tools::button_file_name("000123", kind, "arj"), dir / tools::kind_code(kind),
                         {tools::download_file_name(kind)});
        EXPECT_EQ(read_file(dir / tools::kind_code(kind) / tools::download_file_name(kind)), button);
    }
}
