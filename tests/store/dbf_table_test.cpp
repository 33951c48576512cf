#include <gtest/gtest.h>

#include "store/catalogue.h"
#include "store/dbf_export.h"
#include "store/dbf_reader.h"
#include "store/dbf_sample.h"
#include "store/dbf_table.h"
#include "store/errors.h"
#include "store/sqlite.h"
#include "support/temp_dir.h"

using store::DbfReader;
using testing_support::TempDir;

TEST(DbfTable, SumUpdateAndWriteBack) {
    TempDir dir;
    std::string path = (dir / "zfzj_dwjk_sb_zq.dbf").string();
    dbf_sample::write(path);
    const auto layout = DbfReader(path).fields();
    store::Database db(":memory:");
    {
        store::DbfTable t(db, path);
        EXPECT_EQ(t.name(), "zfzj_dwjk_sb_zq");
        EXPECT_EQ(t.loaded_rows(), 3);  // the deleted record is left out
        auto sum = db.prepare("SELECT sum(ye), count(*) FROM " + t.table() + " WHERE zqmxfl = ?1");
        sum.bind(1, "h");
        ASSERT_TRUE(sum.step());
        EXPECT_DOUBLE_EQ(sum.real(0), 2.68 - 1234.5);
        EXPECT_EQ(sum.integer(1), 2);

        auto upd = db.prepare("UPDATE " + t.table() + " SET ye = ye * 2, xqmc = ?1 WHERE zqmxfl = ?2");
        upd.bind(1, "幸福里").bind(2, "z");
        upd.run();
        // Blank numbers and dates came in as NULL and '' and go back blank.
        EXPECT_EQ(db.scalar_int("SELECT count(*) FROM " + t.table() + " WHERE jzrq = ''"), 1);
        EXPECT_EQ(db.scalar_int("SELECT count(*) FROM " + t.table() + " WHERE cs IS NULL"), 1);
        t.save();
    }
    EXPECT_FALSE(db.table_exists("zfzj_dwjk_sb_zq", "temp"));

    DbfReader in(path);
    EXPECT_EQ(in.fields(), layout);
    ASSERT_EQ(in.record_count(), 3);
    EXPECT_EQ(in.row(0).text("xqmc"), "阳光小区东");
    EXPECT_EQ(in.row(0).raw(1), "        2.68");
    EXPECT_EQ(in.row(1).date("jzrq"), "");
    EXPECT_TRUE(in.row(2).is_blank("cs"));
    EXPECT_EQ(in.row(2).text("xqmc"), "幸福里");
    EXPECT_EQ(in.row(2).text("ye"), "200.26");  // 100.13 * 2
    EXPECT_EQ(in.row(2).date("jzrq"), "1999-12-31");
}

TEST(DbfTable, NeverHidesALiveTable) {
    TempDir dir;
    std::string path = (dir / "ywlx.dbf").string();
    dbf_sample::write(path);
    store::Database db(":memory:");
    db.exec("CREATE TABLE ywlx (dm TEXT)");
    EXPECT_THROW(store::DbfTable(db, path), palvor::Error);
    store::DbfTable t(db, path, "ywlx_dbf");
    EXPECT_EQ(db.scalar_int("SELECT count(*) FROM ywlx_dbf"), 3);
}

TEST(DbfTable, ValueTooWideAfterUpdateKeepsTheFile) {
    TempDir dir;
    std::string path = (dir / "t.dbf").string();
    dbf_sample::write(path);
    std::string before = testing_support::read_file(path);
    store::Database db(":memory:");
    store::DbfTable t(db, path);
    db.exec("UPDATE " + t.table() + " SET cs = 1000");  // N(3,0)
    try {
        t.save();
        ADD_FAILURE() << "no error";
    } catch (const palvor::Error& e) {
        EXPECT_NE(std::string(e.what()).find("cs"), std::string::npos) << e.what();
    }
    EXPECT_EQ(testing_support::read_file(path), before);
}

TEST(DbfExport, LiveTableInKeyOrderWithCatalogueColumns) {
    TempDir dir;
    store::Database db((dir / "live.sqlite3").string());
    const store::TableDef& def = store::table("jbxx_zxxk");
    db.exec(store::create_table_sql(def, def.name));
    auto ins = db.prepare("INSERT INTO jbxx_zxxk (zbh, zmc, zlx, zcs, slzmj, sldj, slzje, xqbh) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, 1)");
    ins.bind(1, 2).bind(2, "二号楼").bind(3, "高层").bind(4, 18).bind(5, 100.125).bind(6, 3000.5).bind(7, 300425.06);
    ins.run();
    ins.reset();
    ins.bind(1, 1).bind(2, "一号楼").bind(3, "多层").bind(4, 6).bind(5, 0.0).bind(6, 0.0).bind(7, -12.5);
    ins.run();
    std::string out = (dir / "zxxk.dbf").string();
    store::export_table_dbf(db, "jbxx_zxxk.db", out);

    DbfReader in(out);
    ASSERT_EQ(in.field_count(), int(def.columns.size()));
    for (int i = 0; i < in.field_count(); ++i) EXPECT_EQ(in.field(i).name, def.columns[std::size_t(i)].name);
    EXPECT_EQ(in.field(in.field_index("zmc")), store::DbfField::text("zmc", 120));
    ASSERT_EQ(in.row_count(), 2);
    EXPECT_EQ(in.row(0).integer("zbh"), 1);
    EXPECT_EQ(in.row(0).text("zmc"), "一号楼");
    EXPECT_DOUBLE_EQ(in.row(0).real("slzje"), -12.5);
    EXPECT_EQ(in.row(1).text("zlx"), "高层");
    EXPECT_EQ(in.row(1).text("slzmj"), "100.125");
    EXPECT_EQ(in.row(1).text("slzje"), "300425.06");
    EXPECT_EQ(in.row(1).text("fwlx"), "");

    EXPECT_THROW(store::export_table_dbf(db, "jbxx_hxxk", out), palvor::Error);  // not created
    EXPECT_THROW(store::export_table_dbf(db, "no_such_table", out), palvor::Error);
    EXPECT_EQ(DbfReader(out).row_count(), 2);
}

TEST(DbfExport, EveryCatalogueTableHasAWritableLayout) {
    for (const store::TableDef& def : store::catalogue()) {
        auto fields = store::dbf_layout(def);
        EXPECT_NO_THROW(store::check_dbf_layout(fields)) << def.name;
    }
    auto fields = store::dbf_layout(store::table("jbxx_dwxxk"));
    EXPECT_GE(store::dbf_field_index(fields, "sbxzbz_dwd"), 0);
    EXPECT_GE(store::dbf_field_index(fields, "sbxzbz_ywl"), 0);
}
