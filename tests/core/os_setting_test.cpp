#include <gtest/gtest.h>

#include <filesystem>

#include "core/os_setting.h"
#include "support/temp_dir.h"
#include "ui/scripted_prompter.h"

namespace fs = std::filesystem;
using testing_support::TempDir;
using testing_support::write_file;

TEST(OsSetting, Windows2000ReplacesTheCopyTool) {
    TempDir dir;
    write_file(dir / "xcopy_2000.exe", "2000");
    write_file(dir / "xcopy32.mod", "old");
    ui::ScriptedPrompter p;
    EXPECT_TRUE(core::set_operating_system(dir.str(), core::OsVariant::Windows2000, p));
    EXPECT_EQ(testing_support::read_file(dir / "xcopy.exe"), "2000");
    EXPECT_FALSE(fs::exists(dir / "xcopy32.exe"));
    EXPECT_FALSE(fs::exists(dir / "xcopy32.mod"));
    EXPECT_EQ(p.last_text(), "Windows 2000 操作系统设置成功!");
    EXPECT_EQ(p.last_caption(), "提示信息");
}

TEST(OsSetting, MissingSourceChangesNothing) {
    TempDir dir;
    write_file(dir / "xcopy.exe", "current");
    write_file(dir / "xcopy_98.exe", "98");
    write_file(dir / "xcopy32_98.exe", "98");
    ui::ScriptedPrompter p;
    EXPECT_FALSE(core::set_operating_system(dir.str(), core::OsVariant::WindowsXP, p));
    EXPECT_EQ(p.last_text(), "文件xcopy_xp.exe不存在，不能设置操作系统!");
    EXPECT_FALSE(core::set_operating_system(dir.str(), core::OsVariant::Windows98, p));
    EXPECT_EQ(p.last_text(), "文件xcopy32_98.mod不存在，不能设置操作系统!");
    EXPECT_EQ(p.last_caption(), "警告");
    EXPECT_EQ(testing_support::read_file(dir / "xcopy.exe"), "current");
}
