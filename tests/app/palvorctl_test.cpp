#include <gtest/gtest.h>

#include <QProcess>
#include <filesystem>

#include "store/dbf_reader.h"
#include "store/sqlite.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;
using testing_support::TempDir;

namespace {

struct CtlRun {
    int code;
    std::string out;
    std::string err;
};

CtlRun ctl(const QStringList& args) {
    QProcess p;
    p.start(PALVOR_CTL, args);
    p.waitForFinished(60000);
    return {p.exitCode(), p.readAllStandardOutput().toStdString(), p.readAllStandardError().toStdString()};
}

QString q(const fs::path& p) { return QString::fromStdString(p.string()); }

}  // namespace

TEST(Palvorctl, InitUpgradeAndExport) {
    TempDir dir;
    fs::path root = dir / "unit";
    ASSERT_EQ(ctl({"init", q(root)}).code, 0);
    ASSERT_EQ(ctl({"--data", q(root), "upgrade"}).code, 0);
    CtlRun csv = ctl({"--data", q(root), "export", "passwd.db"});
    EXPECT_EQ(csv.code, 0);
    EXPECT_EQ(csv.out, "nameid,passwd,name\nSYSTEM,0,SYSTEM\nUSER,0,\n");

    fs::path out = dir / "dwxx.dbf";
    ASSERT_EQ(ctl({"--data", q(root), "export", "jbxx_dwxxk", "--format", "dbf", "--out", q(out)}).code, 0);
    store::DbfReader dbf(out.string());
    ASSERT_EQ(dbf.row_count(), 1);
    EXPECT_EQ(dbf.row(0).text("dwdjh"), "000001");
}

TEST(Palvorctl, RefusalsAndUsageErrors) {
    TempDir dir;
    fs::path root = dir / "unit";
    ASSERT_EQ(ctl({"init", q(root)}).code, 0);
    {
        store::Database templates((root / "palvor_emptydb/templates.sqlite3").string());
        templates.exec("DROP TABLE sjk_ywcl_zqpzk1");
    }
    CtlRun upgrade = ctl({"--data", q(root), "upgrade"});
    EXPECT_EQ(upgrade.code, 1);
    EXPECT_NE(upgrade.err.find("提示信息: 支取凭证库1升级库不存在！请与系统管理员联系!"), std::string::npos) << upgrade.err;

    EXPECT_EQ(ctl({"--data", q(root), "export", "no_such_table"}).code, 2);
    EXPECT_EQ(ctl({"--data", q(root), "frobnicate"}).code, 2);
    EXPECT_EQ(ctl({}).code, 2);
    EXPECT_EQ(ctl({"--data", q(dir / "nowhere"), "export", "passwd"}).code, 1);
}

TEST(Palvorctl, ReceiveCommunitiesAndPrintTheList) {
    TempDir dir;
    fs::path root = dir / "unit";
    ASSERT_EQ(ctl({"init", q(root)}).code, 0);
    const fs::path sample = fs::path(PALVOR_SOURCE_DIR) / "samples/000001_xqxx.arj";

    CtlRun unasked = ctl({"--data", q(root), "receive", "xqxx", q(sample)});
    EXPECT_EQ(unasked.code, 1);  // the question is answered No without --yes
    CtlRun received = ctl({"--data", q(root), "receive", "xqxx", q(sample), "--yes"});
    EXPECT_EQ(received.code, 0) << received.err;
    EXPECT_NE(received.err.find("接收小区信息成功！共更新小区信息3条！"), std::string::npos) << received.err;

    fs::path pdf = dir / "list.pdf";
    ASSERT_EQ(ctl({"--data", q(root), "print", "communities", "--pdf", q(pdf)}).code, 0);
    QProcess text;
    text.start("pdftotext", {q(pdf), "-"});
    text.waitForFinished(30000);
    std::string content = text.readAllStandardOutput().toStdString();
    EXPECT_NE(content.find("小 区 信 息 表"), std::string::npos) << content;
    EXPECT_NE(content.find("阳光小区"), std::string::npos) << content;
    EXPECT_NE(content.find("总记录数：3"), std::string::npos) << content;
}
