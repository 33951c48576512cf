#include <gtest/gtest.h>

#include <filesystem>

#include "core/startup.h"
#include "core/startup_tables.h"
#include "store/catalogue.h"
#include "support/data_root_fixture.h"

using testing_support::DataRoot;

namespace {

std::vector<std::string> column_names(store::Database& db, const std::string& table) {
    std::vector<std::string> out;
    for (const auto& c : db.columns(table)) out.push_back(c.name);
    return out;
}

}  // namespace

TEST(Startup, FreshInstallationCreatesEveryTableWithDefaults) {
    DataRoot root;
    for (const auto& t : core::startup_tables())
        EXPECT_EQ(root.db.columns(t.live).size(), store::table(t.live).columns.size()) << t.live;
    EXPECT_EQ(root.db.scalar_int("SELECT count(*) FROM jbxx_dwdjk WHERE dwdjh='000001' AND dwmc='Qorvane' AND dwzl6=0"), 1);
    EXPECT_EQ(root.db.scalar_int("SELECT count(*) FROM jbxx_dwxxk WHERE dwdjh='000001'"), 1);
    EXPECT_EQ(root.db.scalar_int("SELECT count(*) FROM passwd WHERE passwd=0 AND nameid IN ('SYSTEM','USER')"), 2);
    EXPECT_EQ(root.db.scalar_int("SELECT count(*) FROM zqytdmk WHERE dm IN ('09','11','99')"), 3);
    EXPECT_TRUE(root.prompter.messages.empty());
    // The identity was loaded before the unit record existed, as on every first start.
    EXPECT_EQ(root.state.unit_dwdjh, "");
    EXPECT_TRUE(root.state.received_all);
}

TEST(Startup, SecondStartChangesNothing) {
    DataRoot root;
    root.db.exec("INSERT INTO jbxx_xqxxk (xqbh, xqmc) VALUES (1, '阳光小区')");
    ASSERT_TRUE(root.start_up());
    EXPECT_EQ(root.db.scalar_int("SELECT count(*) FROM jbxx_xqxxk"), 1);
    EXPECT_EQ(root.db.scalar_int("SELECT count(*) FROM passwd"), 2);
    EXPECT_EQ(root.db.scalar_int("SELECT count(*) FROM jbxx_dwdjk"), 1);
}

TEST(Startup, TableWithOneColumnFewerKeepsItsRowsAndGetsTheEmptyColumn) {
    DataRoot root;
    root.db.exec(
        "DROP TABLE jbxx_xqxxk;"
        "CREATE TABLE jbxx_xqxxk (xqbh INTEGER, xqxh INTEGER, xqmc TEXT, xqdz TEXT, PRIMARY KEY (xqbh));"
        "INSERT INTO jbxx_xqxxk VALUES (1, 0, '阳光小区', '中山路1号'), (7, 0, 'O''Brien 花园', '');");
    ASSERT_TRUE(root.start_up()) << root.prompter.last_text();
    EXPECT_EQ(column_names(root.db, "jbxx_xqxxk"), (std::vector<std::string>{"xqbh", "xqxh", "xqmc", "xqdz", "dwdjh"}));
    EXPECT_EQ(root.db.scalar_int("SELECT count(*) FROM jbxx_xqxxk WHERE dwdjh = ''"), 2);
    EXPECT_EQ(root.db.scalar_int("SELECT count(*) FROM jbxx_xqxxk WHERE xqmc = 'O''Brien 花园' AND xqbh = 7"), 1);
    // The blank copy under the live name has the new layout.
    auto tpl = root.templates();
    EXPECT_EQ(tpl.columns("jbxx_xqxxk").size(), 5u);
    EXPECT_EQ(tpl.scalar_int("SELECT count(*) FROM jbxx_xqxxk"), 0);
}

TEST(Startup, DefaultUsersAreAddedOnlyWhereMissing) {
    DataRoot root;
    root.db.exec("DELETE FROM passwd WHERE nameid = 'USER'; UPDATE passwd SET passwd = 151040 WHERE nameid = 'SYSTEM';");
    ASSERT_TRUE(root.start_up());
    EXPECT_EQ(root.db.scalar_int("SELECT count(*) FROM passwd"), 2);
    EXPECT_EQ(root.db.scalar_int("SELECT passwd FROM passwd WHERE nameid = 'SYSTEM'"), 151040);
    EXPECT_EQ(root.db.scalar_int("SELECT count(*) FROM passwd WHERE nameid = 'USER' AND name = ''"), 1);
}

TEST(Startup, LowRiseBuildingsBecomeMultiStorey) {
    DataRoot root;
    root.db.exec("INSERT INTO jbxx_zxxk (zbh, zmc, zlx) VALUES (1, '1幢', '低层'), (2, '2幢', '高层')");
    ASSERT_TRUE(root.start_up());
    EXPECT_EQ(root.db.scalar_int("SELECT count(*) FROM jbxx_zxxk WHERE zlx = '多层'"), 1);
    EXPECT_EQ(root.db.scalar_int("SELECT count(*) FROM jbxx_zxxk WHERE zlx = '高层'"), 1);
}

TEST(Startup, MissingTemplatesStopBeforeAnyChange) {
    struct Case {
        std::string sql;  // applied to the templates database
        std::string message;
    };
    const std::vector<Case> cases = {
        {"DROP TABLE sjk_jbxx_dwdjk", "单位登记信息升级库不存在！请与系统管理员联系!"},
        {"DROP TABLE sjk_ywcl_jcpzk2; CREATE TABLE sjk_ywcl_jcpzk2 (pzh INTEGER, ywxh INTEGER)",
         "缴存凭证库2升级库索引库不存在！请与系统管理员联系!"},
        {"DROP TABLE sjk_passwd", "用户权限信息升级库不存在！请与系统管理员联系!"},
    };
    for (const auto& c : cases) {
        DataRoot root(false);
        root.templates().exec(c.sql);
        EXPECT_FALSE(root.start_up());
        EXPECT_EQ(root.prompter.last_text(), c.message);
        EXPECT_EQ(root.prompter.last_caption(), "提示信息");
        // Only the two tables made at window creation exist; nothing after the check ran.
        EXPECT_FALSE(root.db.table_exists("jbxx_xqxxk"));
        EXPECT_EQ(root.db.scalar_int("SELECT count(*) FROM passwd"), 0);
    }
}

TEST(Startup, MissingTemplatesDatabaseIsReported) {
    DataRoot root(false);
    std::filesystem::remove(root.state.templates_db_path());
    EXPECT_FALSE(root.start_up());
    EXPECT_EQ(root.prompter.last_text(), "拷贝单位开户信息库数据库文件时出错！请与系统管理员联系!");
}

TEST(Startup, DowngradeIsRefusedAndChangesNothing) {
    DataRoot root;
    root.db.exec("ALTER TABLE jbxx_hxxk ADD COLUMN newer TEXT; INSERT INTO jbxx_hxxk (hbh, fhxm, newer) VALUES (1, '1-1-101', 'x');");
    EXPECT_FALSE(root.start_up());
    EXPECT_NE(root.prompter.last_text().find("户信息库的列数多于"), std::string::npos) << root.prompter.last_text();
    EXPECT_EQ(root.db.columns("jbxx_hxxk").size(), store::table("jbxx_hxxk").columns.size() + 1);
    EXPECT_EQ(root.db.scalar_int("SELECT count(*) FROM jbxx_hxxk WHERE newer = 'x'"), 1);
}

TEST(Startup, RefusedRowMoveLeavesTheLiveTableAsItWas) {
    DataRoot root;
    // An old layout without a key holds two rows with the same number; the template's key refuses them.
    root.db.exec(
        "DROP TABLE jbxx_xqxxk;"
        "CREATE TABLE jbxx_xqxxk (xqbh INTEGER, xqxh INTEGER, xqmc TEXT, xqdz TEXT);"
        "INSERT INTO jbxx_xqxxk VALUES (1, 0, 'A', ''), (1, 0, 'B', '');");
    EXPECT_FALSE(root.start_up());
    EXPECT_EQ(root.prompter.last_caption(), "错误信息");
    EXPECT_EQ(root.db.columns("jbxx_xqxxk").size(), 4u);
    EXPECT_EQ(root.db.scalar_int("SELECT count(*) FROM jbxx_xqxxk"), 2);
    EXPECT_FALSE(root.db.table_exists("jbxx_xqxxk__upgrade"));
}

TEST(Startup, DamagedDatabaseFileIsReportedAndKept) {
    DataRoot root(false);
    std::string garbage(8192, 'x');
    testing_support::write_file(root.state.tables_db_path(), garbage);
    EXPECT_FALSE(root.start_up());
    EXPECT_EQ(root.prompter.last_caption(), "错误信息");
    EXPECT_EQ(testing_support::read_file(root.state.tables_db_path()), garbage);
}

TEST(Startup, LockedDatabaseEndsTheStartUpWithoutChanges) {
    DataRoot root;
    root.db.exec("ALTER TABLE jbxx_zxxk RENAME TO jbxx_zxxk_old; CREATE TABLE jbxx_zxxk (zbh INTEGER PRIMARY KEY, zxh INTEGER);"
                 "INSERT INTO jbxx_zxxk VALUES (1, 0); DROP TABLE jbxx_zxxk_old;");
    store::Database other(root.state.tables_db_path());
    other.exec("BEGIN EXCLUSIVE");
    EXPECT_FALSE(root.start_up());
    EXPECT_NE(root.prompter.last_text().find("其他"), std::string::npos) << root.prompter.last_text();
    other.exec("ROLLBACK");
    EXPECT_EQ(root.db.columns("jbxx_zxxk").size(), 2u);
    EXPECT_EQ(root.db.scalar_int("SELECT count(*) FROM jbxx_zxxk"), 1);
}
