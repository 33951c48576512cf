#pragma once
// Message texts of data exchange with the fund centre.

namespace exchange::msg {

// The archiver (Debian's arj). What arj reports by its exit status, in words the user understands.
inline constexpr const char* kArjNotFound = "找不到压缩程序arj，请安装arj软件包或将arj程序放到数据目录下！";
inline constexpr const char* kArjCannotStart = "不能启动压缩程序arj！";
inline constexpr const char* kArjTimedOut = "压缩程序arj运行时间过长，已被终止！";
inline constexpr const char* kArjCrashed = "压缩程序arj异常终止！";
inline constexpr const char* kArjWarning = "压缩程序报告警告：有指定的文件没有找到。";
inline constexpr const char* kArjFatal = "压缩程序发生严重错误。";
inline constexpr const char* kArjCrc = "压缩文件校验（CRC）错误，文件已损坏或不完整。";
inline constexpr const char* kArjSecurity = "压缩文件带有ARJ-SECURITY保护，不能处理。";
inline constexpr const char* kArjDiskFull = "磁盘已满或写入磁盘时出错。";
inline constexpr const char* kArjCannotOpen = "不能打开压缩文件或其中的文件，可能缺少后续的分卷文件。";
inline constexpr const char* kArjUserError = "压缩程序的参数有误。";
inline constexpr const char* kArjNoMemory = "内存不足。";
inline constexpr const char* kArjNotArchive = "该文件不是ARJ压缩文件。";
inline constexpr const char* kArjXms = "扩展内存（XMS）出错。";
inline constexpr const char* kArjBreak = "压缩程序被用户中断。";
inline constexpr const char* kArjChapters = "压缩文件的章节过多。";
inline constexpr const char* kArjOther = "压缩程序运行出错。";
inline constexpr const char* kArjExitCode = "（arj退出码";  // + code + "）"

inline constexpr const char* kPackFailed = "压缩文件“";      // + name + kFailedSuffix + reason
inline constexpr const char* kExtractFailed = "解压缩文件“";  // + name + kFailedSuffix + reason
inline constexpr const char* kFailedSuffix = "”时出错：";
inline constexpr const char* kNotArjName = "压缩文件名必须以.arj结尾：";
inline constexpr const char* kNothingToPack = "没有要压缩的文件。";
inline constexpr const char* kFileMissing = "文件不存在：";
inline constexpr const char* kDirectoryMissing = "目录不存在：";
inline constexpr const char* kArchiveMissing = "压缩文件不存在：";
inline constexpr const char* kVolumeMissing = "压缩程序没有生成压缩文件：";
inline constexpr const char* kVolumeTooLarge = "压缩分卷超过1440KB：";
inline constexpr const char* kExtractedMissing = "解压缩后找不到文件：";
inline constexpr const char* kCannotClearOldSet = "不能删除旧的压缩文件：";
inline constexpr const char* kCannotCreateDirectory = "不能创建目录：";

// Copying and deleting directory trees.
inline constexpr const char* kCopyTreeFailed = "复制目录时出错：";
inline constexpr const char* kRemoveTreeFailed = "删除目录时出错：";

}  // namespace exchange::msg
