#include <gtest/gtest.h>

#include "registry/community_registry.h"
#include "support/data_root_fixture.h"

using registry::CommunityRegistry;
using registry::CommunitySort;
using testing_support::DataRoot;

namespace {

struct Fixture {
    DataRoot root;
    CommunityRegistry reg{root.db, root.state};
    Fixture() { core::load_unit_identity(root.state, root.db); }
    std::optional<registry::Refusal> add(const std::string& number, std::string name, const std::string& address = "") {
        return reg.add(number, name, address);
    }
    long long count() { return root.db.scalar_int("SELECT count(*) FROM jbxx_xqxxk"); }
};

}  // namespace

TEST(CommunityRegistry, NumbersContinueFromTheLargest) {
    Fixture f;
    EXPECT_EQ(f.reg.next_number(), 1);
    for (const char* n : {"1", "2", "5"}) ASSERT_FALSE(f.add(n, std::string("小区") + n));
    EXPECT_EQ(f.reg.next_number(), 6);
    EXPECT_FALSE(f.add("3", "小区3"));  // below the maximum is fine
    EXPECT_EQ(f.reg.next_number(), 6);
    f.reg.remove(5);
    EXPECT_EQ(f.reg.next_number(), 4);
    EXPECT_EQ(f.root.db.scalar_int("SELECT count(*) FROM jbxx_xqxxk WHERE dwdjh = '000001'"), 3);
}

TEST(CommunityRegistry, AddRefusalsChangeNothing) {
    Fixture f;
    ASSERT_FALSE(f.add("1", "阳光小区"));
    struct Case {
        const char* number;
        const char* name;
        const char* message;
        registry::Refusal::Field field;
    };
    for (auto c : std::vector<Case>{{"", "新小区", "小区编号不能为空！", registry::Refusal::Number},
                                    {"1a", "新小区", "小区编号输入有误！", registry::Refusal::Number},
                                    {"1", "新小区", "小区编号重复！请重新录入！", registry::Refusal::Number},
                                    {"2", "   ", "小区名称不能为空！", registry::Refusal::Name},
                                    {"2", "  阳光小区 ", "小区名称重复！请重新录入！", registry::Refusal::Name}}) {
        auto r = f.add(c.number, c.name);
        ASSERT_TRUE(r) << c.number << c.name;
        EXPECT_EQ(r->message, c.message);
        EXPECT_EQ(r->field, c.field);
    }
    EXPECT_EQ(f.count(), 1);
}

TEST(CommunityRegistry, NamesWithQuotesAreStoredAndFoundExactly) {
    Fixture f;
    std::string name = " O'Neil's 花园\"; DROP TABLE jbxx_xqxxk; -- ";
    ASSERT_FALSE(f.reg.add("1", name, "路'1号"));
    EXPECT_EQ(name, "O'Neil's 花园\"; DROP TABLE jbxx_xqxxk; --");
    EXPECT_EQ(f.reg.find(1)->xqmc, name);
    EXPECT_EQ(f.reg.find(1)->xqdz, "路'1号");
    EXPECT_EQ(f.reg.search(CommunitySort::ByName, name).xqbh, 1);
    auto dup = f.add("2", name);
    ASSERT_TRUE(dup);
    EXPECT_EQ(dup->message, "小区名称重复！请重新录入！");
}

TEST(CommunityRegistry, ModifyChecksOnlyRenames) {
    Fixture f;
    ASSERT_FALSE(f.add("1", "阳光小区"));
    ASSERT_FALSE(f.add("2", "幸福小区"));
    std::string same = "阳光小区";
    EXPECT_FALSE(f.reg.modify(1, "阳光小区", same, "新地址"));
    EXPECT_EQ(f.reg.find(1)->xqdz, "新地址");
    std::string taken = "幸福小区";
    auto r = f.reg.modify(1, "阳光小区", taken, "");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->message, "小区名称重复！请重新录入！");
    std::string renamed = " 阳光新城 ";
    EXPECT_FALSE(f.reg.modify(1, "阳光小区", renamed, ""));
    EXPECT_EQ(f.reg.find(1)->xqmc, "阳光新城");
    std::string gone = "x";
    r = f.reg.modify(9, "y", gone, "");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->message, "小区信息库中无编号为“9”的信息，不能修改保存！");
}

TEST(CommunityRegistry, SearchByTheSortKey) {
    Fixture f;
    ASSERT_FALSE(f.add("7", "阳光小区"));
    struct Case {
        CommunitySort sort;
        const char* text;
        std::optional<long long> found;
        const char* message;
    };
    for (auto c : std::vector<Case>{{CommunitySort::ByNumber, "7", 7, ""},
                                    {CommunitySort::ByNumber, "", std::nullopt, "输入有误：小区编号必须是数值！"},
                                    {CommunitySort::ByNumber, "8", std::nullopt, "查无此编号!"},
                                    {CommunitySort::BySequence, "0", 7, ""},
                                    {CommunitySort::BySequence, "x", std::nullopt, "输入有误：小区序号必须是数值！"},
                                    {CommunitySort::BySequence, "3", std::nullopt, "查无此序号!"},
                                    {CommunitySort::ByName, "阳光小区", 7, ""},
                                    {CommunitySort::ByName, "阳光小区 ", std::nullopt, "查无此名称!"}}) {
        auto r = f.reg.search(c.sort, c.text);
        EXPECT_EQ(r.xqbh, c.found) << c.text;
        EXPECT_EQ(r.message, c.message) << c.text;
    }
}

TEST(CommunityRegistry, BuildingsBlockDeletion) {
    Fixture f;
    ASSERT_FALSE(f.add("1", "阳光小区"));
    ASSERT_FALSE(f.add("2", "幸福小区"));
    f.root.db.exec("INSERT INTO jbxx_zxxk (zbh, zmc, xqbh) VALUES (1, '1幢', 1);"
                   "INSERT INTO jbxx_zhxxk (zhbh, yhzh, zhlx, xqbh) VALUES (1, '001', '到小区', 2)");
    EXPECT_TRUE(f.reg.has_buildings(1));
    EXPECT_FALSE(f.reg.has_buildings(2));  // accounts do not count
}
