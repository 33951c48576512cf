#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/format.h"
#include "store/dbf_reader.h"
#include "store/dbf_sample.h"
#include "store/dbf_writer.h"
#include "store/errors.h"
#include "support/temp_dir.h"

using store::DbfField;
using store::DbfReader;
using store::DbfWriter;
using testing_support::TempDir;

namespace {

std::string error_of(const std::function<void()>& f) {
    try {
        f();
    } catch (const palvor::Error& e) {
        return e.what();
    }
    return "(no error)";
}

}  // namespace

TEST(DbfFile, WrittenFileReadsBackExactly) {
    TempDir dir;
    std::string path = (dir / "sample.dbf").string();
    dbf_sample::write(path);

    DbfReader in(path);
    ASSERT_EQ(in.field_count(), 7);
    EXPECT_EQ(in.field(1), DbfField::number("ye", 12, 2));
    EXPECT_EQ(in.language_driver(), 0x7A);
    EXPECT_EQ(in.last_update(), palvor::today_text());
    EXPECT_EQ(in.record_count(), 4);
    ASSERT_EQ(in.row_count(), 3);
    EXPECT_TRUE(in.record(2).deleted());

    auto r0 = in.row(0), r1 = in.row(1), r2 = in.row(2);
    EXPECT_EQ(r0.text("xqmc"), "阳光小区东");  // cut to 10 GBK bytes
    EXPECT_EQ(r1.text("xqmc"), "a阳光小区");   // the next character would be split: left out
    EXPECT_EQ(r2.text("xqmc"), "Zone 3");
    EXPECT_EQ(r0.raw(1), "        2.68");
    EXPECT_EQ(r0.text("ye"), "2.68");
    EXPECT_DOUBLE_EQ(r1.real("ye"), -1234.5);
    EXPECT_EQ(r1.raw(1), "    -1234.50");
    EXPECT_EQ(r2.text("ye"), "100.13");
    EXPECT_EQ(r0.integer("cs"), 18);
    EXPECT_EQ(r1.integer("cs"), -7);
    EXPECT_EQ(r2.integer("cs"), 0);  // blank
    EXPECT_TRUE(r2.is_blank("cs"));
    EXPECT_EQ(r2.text("cs"), "");
    EXPECT_EQ(r0.date("jzrq"), "2024-02-29");
    EXPECT_EQ(r1.date("jzrq"), "");
    EXPECT_EQ(r1.raw(3), "        ");
    EXPECT_EQ(r2.text("jzrq"), "1999-12-31");
    EXPECT_TRUE(r0.boolean("flag"));
    EXPECT_FALSE(r1.boolean("flag"));
    EXPECT_FALSE(r2.boolean("flag"));
    EXPECT_DOUBLE_EQ(r0.real("ll"), 0.0225);
    EXPECT_DOUBLE_EQ(r1.real("ll"), 0.0);

    std::vector<std::string> kinds;
    for (const auto& row : in) kinds.push_back(row.text(6));
    EXPECT_EQ(kinds, (std::vector<std::string>{"h", "h", "z"}));

    std::string bytes = testing_support::read_file(path);
    EXPECT_EQ(bytes.back(), '\x1A');
    EXPECT_EQ(bytes.substr(32, 4), std::string("XQMC"));  // names stored in upper case
}

TEST(DbfFile, IndependentReaderSeesTheSameValues) {
    TempDir dir;
    std::string path = (dir / "sample.dbf").string();
    dbf_sample::write(path);
    std::string script = (dir / "read.py").string();
    testing_support::write_file(script,
                                "import sys, dbfread\n"
                                "t = dbfread.DBF(sys.argv[1], encoding='cp936')\n"
                                "for r in t:\n"
                                "    print('|'.join('' if v is None else v.isoformat() if hasattr(v, 'isoformat')"
                                " else str(v) for v in r.values()))\n");
    const char* python = std::filesystem::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3";
    std::string out = (dir / "out.txt").string();
    std::string cmd = "PYTHONIOENCODING=utf-8 " + std::string(python) + " '" + script + "' '" + path + "' > '" + out + "' 2>&1";
    int rc = std::system(cmd.c_str());
    std::string got = testing_support::read_file(out);
    ASSERT_EQ(rc, 0) << "python3-dbfread is needed for this test:\n" << got;
    EXPECT_EQ(got,
              "阳光小区东|2.68|18|2024-02-29|True|0.0225|h\n"
              "a阳光小区|-1234.5|-7||False||h\n"
              "Zone 3|100.13||1999-12-31|||z\n");
}

TEST(DbfFile, ValueThatDoesNotFitIsRefusedAndOldFileKept) {
    TempDir dir;
    std::string path = (dir / "out.dbf").string();
    testing_support::write_file(path, "old content");
    {
        DbfWriter out(path, {DbfField::number("dwbje", 6, 2), DbfField::date("jzrq")});
        EXPECT_NO_THROW(out.set("dwbje", 999.99));
        std::string e = error_of([&] { out.set("dwbje", 999.995); });  // rounds to 1000.00
        EXPECT_NE(e.find("dwbje"), std::string::npos) << e;
        EXPECT_NE(e.find("999.995"), std::string::npos) << e;
        EXPECT_NE(e.find("N(6,2)"), std::string::npos) << e;
        EXPECT_NE(error_of([&] { out.set("dwbje", -1000.0); }), "(no error)");
        EXPECT_NE(error_of([&] { out.set("dwbje", "12a"); }).find("不是数字"), std::string::npos);
        EXPECT_NE(error_of([&] { out.set("jzrq", "2024-02-30"); }).find("不是日期"), std::string::npos);
        EXPECT_NE(error_of([&] { out.set("nosuch", 1); }).find("nosuch"), std::string::npos);
        out.append();
        // destroyed without close(): the old file stays
    }
    EXPECT_EQ(testing_support::read_file(path), "old content");
    EXPECT_FALSE(std::filesystem::exists(path + ".part"));
}

TEST(DbfFile, LayoutIsCheckedBeforeWriting) {
    TempDir dir;
    std::string path = (dir / "x.dbf").string();
    for (const auto& bad : std::vector<std::vector<DbfField>>{
             {},
             {DbfField::text("ELEVENCHARS", 5)},
             {DbfField::text("1abc", 5)},
             {DbfField::text("a", 255)},
             {DbfField::number("n", 4, 3)},
             {DbfField::text("Name", 5), DbfField::number("NAME", 5)}}) {
        EXPECT_THROW(DbfWriter(path, bad), palvor::Error);
    }
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(DbfFile, FieldNamesMatchWithoutRegardToCase) {
    TempDir dir;
    std::string path = (dir / "sample.dbf").string();
    dbf_sample::write(path);
    DbfReader in(path);
    EXPECT_EQ(in.field_index("XqMc"), 0);
    EXPECT_EQ(in.field_index("YE"), 1);
    EXPECT_EQ(in.field(0).name, "xqmc");
    EXPECT_EQ(in.row(0).text("JZRQ"), "2024-02-29");
    std::string e = error_of([&] { in.row(0).text("xqmc2"); });
    EXPECT_NE(e.find("xqmc2"), std::string::npos) << e;
}
