#pragma once
// Message texts of the application core (captions: ui/captions.h).

namespace core::msg {

inline constexpr const char* kCopyUnitTableFailed = "拷贝单位开户信息库数据库文件时出错！请与系统管理员联系!";
inline constexpr const char* kCopyUserTableFailed = "拷贝用户信息库数据库文件时出错！请与系统管理员联系!";
inline constexpr const char* kLoginFailed = "登录失败!";
inline constexpr const char* kConfirmExit = "确定要退出系统吗?";

// A live table newer than the running program: never cut columns off.
inline constexpr const char* kDowngradeRefused =
    "的列数多于本版本的升级库，可能已被更新版本的程序使用过。为保护数据，不能降级使用！请安装最新版本或与系统管理员联系!";

inline constexpr const char* kWindowTitle = "Palvor - 单位版B V1.03";
inline constexpr const char* kNotYetAvailable = "本功能在当前版本中尚未提供。";

// Operating-system setting.
inline constexpr const char* kFileMissingPrefix = "文件";
inline constexpr const char* kFileMissingSuffix = "不存在，不能设置操作系统!";
inline constexpr const char* kDeleteFailedPrefix = "删除文件";
inline constexpr const char* kDeleteFailedSuffix = "时出错，不能设置操作系统!";
inline constexpr const char* kCopyFailedPrefix = "拷贝文件";
inline constexpr const char* kCopyFailedSuffix = "时出错，不能设置操作系统!";

// Shared small dialogs.
inline constexpr const char* kNumberWrong = "数字输入有误！";
inline constexpr const char* kNumberInvalid = "数字输入无效！";
inline constexpr const char* kPasswordMismatch = "密码输入错误:两次输入的密码不匹配!";

// Copying to removable disks.
inline constexpr const char* kSourceMissingPrefix = "源文件";
inline constexpr const char* kSourceMissingSuffix = "不存在!";
inline constexpr const char* kConfirmOverwrite = "目标文件与软盘上的一个文件重名,确定要将该文件覆盖吗?";
inline constexpr const char* kDiskWriteFailed = "向磁盘写入时发生错误,原因可能是磁盘的剩余空间不足,或者磁盘已损坏。";

}  // namespace core::msg
