#include <gtest/gtest.h>

#include "core/app_state.h"
#include "store/passwd.h"
#include "support/data_root_fixture.h"

using testing_support::DataRoot;

TEST(AppState, DataRootHasExactlyOneTrailingSeparator) {
    core::AppState s;
    s.set_directories("/data/unit");
    EXPECT_EQ(s.data_root, "/data/unit/");
    EXPECT_EQ(s.tables_dir, "/data/unit/palvor_tables/");
    s.set_directories("/");
    EXPECT_EQ(s.data_root, "/");
    EXPECT_EQ(s.start_dir, "/");
}

TEST(UnitIdentity, LoadsTheUnitAndCombinesTheReceivedFlags) {
    DataRoot root;
    root.db.exec("UPDATE jbxx_dwxxk SET dwmc = '阳光物业', jbjgbh = '0101', sbxzbz_dwdj='1', sbxzbz_dwkh='1',"
                 " sbxzbz_xqxx='1', sbxzbz_zxx='1', sbxzbz_hxx='1', sbxzbz_zhxx='1', sbxzbz_ywls='0'");
    core::load_unit_identity(root.state, root.db);
    EXPECT_EQ(root.state.unit_dwdjh, "000001");
    EXPECT_EQ(root.state.unit_dwmc, "阳光物业");
    EXPECT_EQ(root.state.unit_jbjgbh, "0101");
    EXPECT_TRUE(root.state.received_all);
    EXPECT_EQ(root.db.scalar_int("SELECT count(*) FROM jbxx_dwxxk WHERE sbxzbz = '0'"), 1);

    root.db.exec("UPDATE jbxx_dwxxk SET sbxzbz_ywls = '1'");
    core::load_unit_identity(root.state, root.db);
    EXPECT_EQ(root.db.scalar_int("SELECT count(*) FROM jbxx_dwxxk WHERE sbxzbz = '1'"), 1);
}

TEST(UnitIdentity, EmptyUnitTableClearsTheIdentity) {
    DataRoot root;
    core::load_unit_identity(root.state, root.db);
    root.db.exec("DELETE FROM jbxx_dwxxk");
    core::load_unit_identity(root.state, root.db);
    EXPECT_EQ(root.state.unit_dwdjh, "");
    EXPECT_EQ(root.state.unit_dwmc, "");
    EXPECT_TRUE(root.state.received_all);
}

TEST(PasswordDigest, KnownValues) {
    EXPECT_EQ(store::password_digest(""), 0);
    EXPECT_EQ(store::password_digest("abc"), 151040);
    EXPECT_EQ(store::password_digest("a"), 97 * 256);
    // Long passwords fold back under 999999999 and stay non-negative.
    int d = store::password_digest("密码密码密码密码密码密码密码密");
    EXPECT_GE(d, 0);
    EXPECT_LE(d, 999999999);
}
