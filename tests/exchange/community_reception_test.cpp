#include <gtest/gtest.h>

#include <filesystem>

#include "exchange/archiver.h"
#include "exchange/download_reception.h"
#include "store/dbf_writer.h"
#include "store/errors.h"
#include "support/data_root_fixture.h"
#include "ui/progress.h"

namespace fs = std::filesystem;
using exchange::DownloadKind;
using store::DbfField;
using testing_support::DataRoot;

namespace {

struct Community {
    std::string name, address;
};

// A community file as the centre writes it; `fields` lets a test break the layout.
void write_xqxx(const fs::path& path, long long unit, const std::vector<Community>& rows,
                std::vector<DbfField> fields = {DbfField::number("blz10", 10), DbfField::text("xqmc", 60),
                                                DbfField::text("xqdz", 100)}) {
    store::DbfWriter out(path.string(), fields);
    for (const auto& r : rows) {
        out.set("blz10", std::int64_t(unit)).set("xqmc", r.name).set("xqdz", r.address);
        out.append();
    }
    out.close();
}

struct Fixture {
    DataRoot root;
    ui::NoProgress progress;
    exchange::DownloadReception reception{root.state, root.db, root.prompter, progress};
    Fixture() { core::load_unit_identity(root.state, root.db); }  // unit 000001

    bool receive(const fs::path& file) {
        root.prompter.answer(ui::Button::Yes);
        return reception.receive(DownloadKind::Xqxx, file.string());
    }
    std::vector<std::string> rows() {
        std::vector<std::string> out;
        auto st = root.db.prepare("SELECT xqbh, xqmc, xqdz, dwdjh FROM jbxx_xqxxk ORDER BY xqbh");
        while (st.step()) out.push_back(st.text(0) + "|" + st.text(1) + "|" + st.text(2) + "|" + st.text(3));
        return out;
    }
    long long flagged() { return root.db.scalar_int("SELECT count(*) FROM jbxx_dwxxk WHERE sbxzbz_xqxx = '1'"); }
};

}  // namespace

TEST(CommunityReception, MergesByNameAddingAndCorrecting) {
    Fixture f;
    f.root.db.exec("INSERT INTO jbxx_xqxxk (xqbh, xqmc, xqdz, dwdjh) VALUES (5, '阳光小区', '旧地址', '000001')");
    fs::path file = f.root.dir / "000001_xqxx.dbf";
    write_xqxx(file, 1, {{"阳光小区", "中山路1号"}, {"O'Brien 花园", "解放路2号"}, {"幸福家园", ""}});
    ASSERT_TRUE(f.receive(file)) << f.root.prompter.last_text();
    EXPECT_EQ(f.root.prompter.messages.front().text,
              "注意：执行此功能会将本系统中的现有小区信息全部更新！！！请谨慎处理。确定要接收吗？");
    EXPECT_EQ(f.root.prompter.messages.front().default_button, ui::Button::No);
    EXPECT_EQ(f.root.prompter.last_text(), "接收小区信息成功！共更新小区信息3条！\n\n(其中添加2条，修正1条)");
    EXPECT_EQ(f.root.prompter.last_caption(), "提示信息");
    EXPECT_EQ(f.rows(), (std::vector<std::string>{"5|阳光小区|中山路1号|000001", "6|O'Brien 花园|解放路2号|000001",
                                                  "7|幸福家园||000001"}));
    EXPECT_EQ(f.flagged(), 1);

    // The same file again adds nothing.
    ASSERT_TRUE(f.receive(file));
    EXPECT_EQ(f.root.prompter.last_text(), "接收小区信息成功！共更新小区信息3条！\n\n(其中添加0条，修正3条)");
    EXPECT_EQ(f.rows().size(), 3u);
}

TEST(CommunityReception, AnArchiveIsUnpackedFirst) {
    Fixture f;
    if (!exchange::Archiver(f.root.state.data_root).available()) GTEST_SKIP() << "arj not installed";
    fs::path staging = f.root.dir / "centre";
    fs::create_directories(staging);
    write_xqxx(staging / "zfzj_dwjk_xz_xqxx.dbf", 1, {{"翠苑一区", "文三路"}, {"翠苑二区", "文二路"}});
    exchange::Archiver(f.root.state.data_root).pack_files(f.root.dir / "000001_xqxx.arj", {staging / "zfzj_dwjk_xz_xqxx.dbf"});
    ASSERT_TRUE(f.receive(f.root.dir / "000001_xqxx.arj")) << f.root.prompter.last_text();
    EXPECT_EQ(f.rows(), (std::vector<std::string>{"1|翠苑一区|文三路|000001", "2|翠苑二区|文二路|000001"}));
    EXPECT_TRUE(fs::exists(f.root.dir / "download/xzjbxx/000001_xqxx.arj"));
    EXPECT_TRUE(fs::exists(f.root.dir / "palvor_tables/jsjbxx_xqxxk.dbf"));
}

TEST(CommunityReception, RefusedFilesChangeNothing) {
    struct Case {
        std::string name;
        std::function<void(const fs::path&)> make;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"other_xqxx.dbf", [](const fs::path& p) { write_xqxx(p, 2, {{"别家小区", ""}}); },
         "磁盘数据中单位登记号非法，不能下载数据！"},
        {"order_xqxx.dbf",
         [](const fs::path& p) {
             write_xqxx(p, 1, {{"阳光小区", "中山路"}},
                        {DbfField::number("blz10", 10), DbfField::text("xqdz", 100), DbfField::text("xqmc", 60)});
         },
         "磁盘中数据不是合法数据(2.字段顺序不符)，不能下载数据！"},
        {"count_xqxx.dbf",
         [](const fs::path& p) {
             write_xqxx(p, 1, {{"阳光小区", ""}},
                        {DbfField::number("blz10", 10), DbfField::text("xqmc", 60), DbfField::text("xqdz", 100),
                         DbfField::text("bz", 10)});
         },
         "磁盘中数据不是合法数据(1.字段数目不符)，不能下载数据！"},
        {"notes.txt", [](const fs::path& p) { testing_support::write_file(p, "x"); }, "文件类型错误，不能下载数据！"},
        {"missing_xqxx.dbf", [](const fs::path&) {}, "下载文件不存在！"},
        {"damaged_xqxx.dbf", [](const fs::path& p) { testing_support::write_file(p, std::string(40, '\x03')); },
         "磁盘中的数据不是可下载的数据！"},
    };
    for (const auto& c : cases) {
        Fixture f;
        f.root.db.exec("INSERT INTO jbxx_xqxxk (xqbh, xqmc, xqdz, dwdjh) VALUES (1, '阳光小区', '旧地址', '000001')");
        fs::path file = f.root.dir / c.name;
        c.make(file);
        EXPECT_FALSE(f.receive(file)) << c.name;
        EXPECT_EQ(f.root.prompter.last_text().substr(0, c.message.size()), c.message) << c.name;
        EXPECT_EQ(f.rows(), (std::vector<std::string>{"1|阳光小区|旧地址|000001"})) << c.name;
        EXPECT_EQ(f.flagged(), 0) << c.name;
    }
}

TEST(CommunityReception, NoFileOrNoConfirmationDoesNothing) {
    Fixture f;
    EXPECT_FALSE(f.reception.receive(DownloadKind::Xqxx, ""));
    EXPECT_EQ(f.root.prompter.last_text(), "请先选择接收文件名称！");
    EXPECT_EQ(f.root.prompter.last_caption(), "提示");
    fs::path file = f.root.dir / "a_xqxx.dbf";
    write_xqxx(file, 1, {{"阳光小区", ""}});
    f.root.prompter.answer(ui::Button::No);
    bool confirmed = false;
    EXPECT_FALSE(f.reception.receive(DownloadKind::Xqxx, file.string(), [&] { confirmed = true; }));
    EXPECT_FALSE(confirmed);
    EXPECT_TRUE(f.rows().empty());
}

TEST(CommunityReception, AFailurePartWayRollsEverythingBack) {
    Fixture f;
    fs::path file = f.root.dir / "bad_xqxx.dbf";
    write_xqxx(file, 1, {{"甲小区", ""}, {"乙小区", ""}, {"丙小区", ""}});
    // Break the GBK text of the third row's name.
    std::string bytes = testing_support::read_file(file);
    auto pos = bytes.rfind(std::string("\xB1\xFB", 2));  // 丙
    ASSERT_NE(pos, std::string::npos);
    bytes[pos] = '\xFF';
    bytes[pos + 1] = '\xFF';
    testing_support::write_file(file, bytes);
    f.root.prompter.answer(ui::Button::Yes);
    EXPECT_THROW(f.reception.receive(DownloadKind::Xqxx, file.string()), palvor::Error);
    EXPECT_TRUE(f.rows().empty());
    EXPECT_EQ(f.flagged(), 0);
}
