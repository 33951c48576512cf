#include <gtest/gtest.h>

#include "core/disk_copy.h"
#include "core/messages.h"
#include "support/temp_dir.h"
#include "ui/scripted_prompter.h"

using testing_support::read_file;
using testing_support::TempDir;
using testing_support::write_file;
namespace fs = std::filesystem;

TEST(CopyWithConfirm, CopiesAndAsksBeforeOverwriting) {
    TempDir dir;
    ui::ScriptedPrompter prompter;
    write_file(dir / "src.dbf", "new content");

    ASSERT_TRUE(core::copy_with_confirm(prompter, dir / "src.dbf", dir / "disk.dbf"));
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(read_file(dir / "disk.dbf"), "new content");

    write_file(dir / "disk.dbf", "old content");
    prompter.answer(ui::Button::No);
    EXPECT_FALSE(core::copy_with_confirm(prompter, dir / "src.dbf", dir / "disk.dbf"));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.last_caption(), "确认");
    EXPECT_EQ(prompter.last_text(), core::msg::kConfirmOverwrite);
    EXPECT_EQ(prompter.messages.back().buttons, ui::YesNo);
    EXPECT_EQ(read_file(dir / "disk.dbf"), "old content");

    prompter.answer(ui::Button::Yes);
    EXPECT_TRUE(core::copy_with_confirm(prompter, dir / "src.dbf", dir / "disk.dbf"));
    EXPECT_EQ(read_file(dir / "disk.dbf"), "new content");
    EXPECT_FALSE(fs::exists(dir / "disk.dbf.part"));
}

TEST(CopyWithConfirm, ReportsMissingSourceAndWriteFailure) {
    TempDir dir;
    ui::ScriptedPrompter prompter;
    const fs::path missing = dir / "none.dbf";
    EXPECT_FALSE(core::copy_with_confirm(prompter, missing, dir / "t.dbf"));
    EXPECT_EQ(prompter.last_text(), "源文件" + missing.string() + "不存在!");
    EXPECT_EQ(prompter.last_caption(), "警告");
    EXPECT_EQ(prompter.messages.back().icon, ui::Icon::Warning);

    write_file(dir / "src.dbf", "x");
    EXPECT_FALSE(core::copy_with_confirm(prompter, dir / "src.dbf", dir / "no such dir" / "t.dbf"));
    EXPECT_EQ(prompter.last_text(), core::msg::kDiskWriteFailed);
}

TEST(CopyArjSet, CopiesEveryVolumeUnderTheArchiveName) {
    TempDir dir;
    ui::ScriptedPrompter prompter;
    write_file(dir / "out" / "up.arj", "0");
    write_file(dir / "out" / "up.a01", "1");
    write_file(dir / "out" / "up.a02", "2");
    write_file(dir / "out" / "up.a04", "stale, after a gap");
    fs::create_directories(dir / "disk");

    ASSERT_TRUE(core::copy_arj_set(prompter, dir / "out" / "up.arj", dir / "disk"));
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir / "disk")) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"up.a01", "up.a02", "up.arj"}));
    EXPECT_EQ(read_file(dir / "disk" / "up.a02"), "2");
    EXPECT_TRUE(prompter.messages.empty());
}

TEST(CopyArjSet, RefusesOtherNamesAndStopsAtAFailedCopy) {
    TempDir dir;
    ui::ScriptedPrompter prompter;
    write_file(dir / "UP.ARJ", "0");
    write_file(dir / "UP.A01", "1");
    write_file(dir / "up.dbf", "x");
    fs::create_directories(dir / "disk");

    EXPECT_FALSE(core::copy_arj_set(prompter, dir / "up.dbf", dir / "disk"));
    EXPECT_TRUE(prompter.messages.empty());

    // Upper-case names are found; the copies get the usual lower-case extensions.
    ASSERT_TRUE(core::copy_arj_set(prompter, dir / "UP.ARJ", dir / "disk"));
    EXPECT_TRUE(fs::exists(dir / "disk" / "UP.arj"));
    EXPECT_TRUE(fs::exists(dir / "disk" / "UP.a01"));

    // Refusing to overwrite the first volume ends the copy.
    prompter.answer(ui::Button::No);
    EXPECT_FALSE(core::copy_arj_set(prompter, dir / "UP.ARJ", dir / "disk"));
    EXPECT_EQ(prompter.messages.size(), 1u);
}
