#include <gtest/gtest.h>

#include <random>

#include "exchange/archiver.h"
#include "exchange/directory_tools.h"
#include "exchange/messages.h"
#include "store/errors.h"
#include "support/temp_dir.h"

using testing_support::read_file;
using testing_support::TempDir;
using testing_support::write_file;
namespace fs = std::filesystem;

namespace {

std::string random_bytes(std::size_t n, unsigned seed) {
    std::mt19937 gen(seed);
    std::string s(n, '\0');
    for (auto& c : s) c = char(gen() & 0xFF);
    return s;
}

std::string error_of(const std::function<void()>& f) {
    try {
        f();
    } catch (const palvor::Error& e) {
        return e.what();
    }
    return {};
}

class ArchiverTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!arj.available()) GTEST_SKIP() << "arj is not installed";
    }
    TempDir dir;
    exchange::Archiver arj{dir.path()};
};

}  // namespace

TEST(ArchiveVolumes, NamedAsArjNamesThem) {
    EXPECT_EQ(exchange::volume_path("/t/up.arj", 0), "/t/up.arj");
    EXPECT_EQ(exchange::volume_path("/t/up.arj", 1), "/t/up.a01");
    EXPECT_EQ(exchange::volume_path("/t/up.arj", 99), "/t/up.a99");
    EXPECT_EQ(exchange::volume_path("/t/up.arj", 100), "/t/up.100");
    EXPECT_EQ(exchange::volume_path("/t/UP.ARJ", 7), "/t/UP.A07");
    EXPECT_TRUE(exchange::has_arj_extension("x.ArJ"));
    EXPECT_FALSE(exchange::has_arj_extension("x.dbf"));
    EXPECT_EQ(exchange::arj_exit_reason(9), exchange::msg::kArjNotArchive);
    EXPECT_EQ(exchange::arj_exit_reason(77), exchange::msg::kArjOther);
}

TEST_F(ArchiverTest, PacksFloppyVolumesAndExtractsThemBack) {
    const std::string big = random_bytes(3 * 1024 * 1024, 1);
    write_file(dir / "in" / "zfzj_dwjk_sb_jc.dbf", big);
    write_file(dir / "in" / "说明.txt", "小区");
    // A longer set of the same name made earlier must not stay mixed in.
    write_file(dir / "out" / "单位(2004-03-15).a03", "stale");

    const fs::path archive = dir / "out" / "单位(2004-03-15).arj";
    auto volumes = arj.pack_files(archive, {dir / "in" / "zfzj_dwjk_sb_jc.dbf", dir / "in" / "说明.txt"});
    ASSERT_EQ(volumes.size(), 3u);
    EXPECT_EQ(volumes[0].filename(), "单位(2004-03-15).arj");
    EXPECT_EQ(volumes[1].filename(), "单位(2004-03-15).a01");
    EXPECT_EQ(volumes[2].filename(), "单位(2004-03-15).a02");
    for (const auto& v : volumes) EXPECT_LE(fs::file_size(v), 1440u * 1024u) << v;
    EXPECT_FALSE(fs::exists(dir / "out" / "单位(2004-03-15).a03"));

    arj.extract_flat(archive, dir / "flat", {"zfzj_dwjk_sb_jc.dbf", "说明.txt"});
    EXPECT_TRUE(read_file(dir / "flat" / "zfzj_dwjk_sb_jc.dbf") == big);
    EXPECT_EQ(read_file(dir / "flat" / "说明.txt"), "小区");
    write_file(dir / "flat" / "说明.txt", "changed");
    arj.extract_flat(archive, dir / "flat");  // overwrites without asking
    EXPECT_EQ(read_file(dir / "flat" / "说明.txt"), "小区");

    // The files were stored under their bare names: extracting with paths gives the same files.
    arj.extract_with_paths(archive, dir / "x", {"zfzj_dwjk_sb_jc.dbf"});
    EXPECT_TRUE(read_file(dir / "x" / "zfzj_dwjk_sb_jc.dbf") == big);
}

TEST_F(ArchiverTest, PacksATreeWithItsPaths) {
    write_file(dir / "root" / "palvor_tables" / "palvor.sqlite3", random_bytes(2 * 1024 * 1024, 2));
    write_file(dir / "root" / "palvor_tables" / "子目录" / "noext", "n");
    const fs::path archive = dir / "tempabc.000" / "palvorbak.arj";

    auto volumes = arj.pack_tree(archive, dir / "root" / "palvor_tables");
    ASSERT_EQ(volumes.size(), 2u);

    arj.extract_with_paths(archive, dir / "restore", {"palvor_tables/palvor.sqlite3", "palvor_tables/子目录/noext"});
    EXPECT_TRUE(read_file(dir / "restore" / "palvor_tables" / "palvor.sqlite3") ==
                read_file(dir / "root" / "palvor_tables" / "palvor.sqlite3"));
    EXPECT_EQ(read_file(dir / "restore" / "palvor_tables" / "子目录" / "noext"), "n");
}

TEST_F(ArchiverTest, ReportsWhatWentWrong) {
    write_file(dir / "fake.arj", "this is not an archive");
    std::string e = error_of([&] { arj.extract_flat(dir / "fake.arj", dir / "o"); });
    EXPECT_NE(e.find(exchange::msg::kArjNotArchive), std::string::npos) << e;
    EXPECT_NE(e.find("fake.arj"), std::string::npos) << e;
    EXPECT_NE(e.find("9"), std::string::npos) << e;

    // A set with a volume missing fails instead of waiting for the next disk.
    write_file(dir / "in" / "big.dbf", random_bytes(2 * 1024 * 1024, 3));
    arj.pack_files(dir / "set" / "up.arj", {dir / "in" / "big.dbf"});
    fs::remove(dir / "set" / "up.a01");
    e = error_of([&] { arj.extract_flat(dir / "set" / "up.arj", dir / "o"); });
    EXPECT_NE(e.find(exchange::msg::kArjCannotOpen), std::string::npos) << e;

    e = error_of([&] { arj.extract_flat(dir / "ok.arj", dir / "o"); });
    EXPECT_NE(e.find(exchange::msg::kArchiveMissing), std::string::npos) << e;

    write_file(dir / "in" / "a.dbf", "a");
    arj.pack_files(dir / "one.arj", {dir / "in" / "a.dbf"});
    e = error_of([&] { arj.extract_flat(dir / "one.arj", dir / "o", {"zfzj_dwjk_xz_xqxx.dbf"}); });
    EXPECT_NE(e.find(exchange::msg::kExtractedMissing), std::string::npos) << e;

    e = error_of([&] { arj.pack_files(dir / "two.arj", {dir / "in" / "none.dbf"}); });
    EXPECT_NE(e.find(exchange::msg::kFileMissing), std::string::npos) << e;
    EXPECT_FALSE(fs::exists(dir / "two.arj"));
}

TEST(ArchiverLocation, ArjInTheDataRootComesFirst) {
    TempDir dir;
    exchange::Archiver arj(dir.path());
    if (arj.available()) {
        // An arj in the data root is preferred over the one on PATH.
        write_file(dir / "arj", "#!/bin/sh\nexit 9\n");
        fs::permissions(dir / "arj", fs::perms::owner_all);
        exchange::Archiver local(dir.path());
        EXPECT_EQ(local.program(), dir / "arj");
        write_file(dir / "in.arj", "x");
        std::string e = error_of([&] { local.extract_flat(dir / "in.arj", dir / "o"); });
        EXPECT_NE(e.find(exchange::msg::kArjNotArchive), std::string::npos) << e;
    }
}

TEST(DirectoryTools, CopyOverwritesAndRemoveDeletes) {
    TempDir dir;
    write_file(dir / "src" / "a.db", "new");
    write_file(dir / "src" / "sub" / "b.db", "b");
    write_file(dir / "dst" / "a.db", "old");
    write_file(dir / "dst" / "keep.db", "k");

    exchange::copy_tree(dir / "src", dir / "dst");
    EXPECT_EQ(read_file(dir / "dst" / "a.db"), "new");
    EXPECT_EQ(read_file(dir / "dst" / "sub" / "b.db"), "b");
    EXPECT_EQ(read_file(dir / "dst" / "keep.db"), "k");

    exchange::copy_tree(dir / "src", dir / "made" / "here");
    EXPECT_EQ(read_file(dir / "made" / "here" / "sub" / "b.db"), "b");

    EXPECT_THROW(exchange::copy_tree(dir / "none", dir / "x"), palvor::Error);
    EXPECT_THROW(exchange::copy_tree(dir / "src", dir / "src" / "inner"), palvor::Error);

    exchange::remove_tree(dir / "dst");
    EXPECT_FALSE(fs::exists(dir / "dst"));
    EXPECT_NO_THROW(exchange::remove_tree(dir / "dst"));
}
