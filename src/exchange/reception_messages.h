#pragma once
// Message texts of the receptions of the fund centre's download files.

namespace exchange::msg {

inline constexpr const char* kChooseFileFirst = "请先选择接收文件名称！";
inline constexpr const char* kDownloadMissing = "下载文件不存在！";
inline constexpr const char* kCannotCreateWorkDirPrefix = "创建工作目录‘";
inline constexpr const char* kCannotCreateWorkDirSuffix = "’时出错，请手动创建该目录！";
inline constexpr const char* kCannotDeletePrefix = "删除文件";
inline constexpr const char* kCannotDeleteSuffix = "时出错，请手动删除该文件！";
inline constexpr const char* kCannotReadArchive =
    "从磁盘中读取压缩职工数据时出错，请检查磁盘是否损坏，或者硬盘是否有足够剩余空间！";
inline constexpr const char* kArchiverLost = "用于解压缩的文件\"arj.exe\"丢失，请找到该文件并放到该系统安装目录下！";
inline constexpr const char* kCannotReadDbf =
    "从磁盘中读取数据库职工数据时出错，请检查磁盘是否损坏，或者硬盘是否有足够剩余空间！";
inline constexpr const char* kWrongFileType = "文件类型错误，不能下载数据！";
inline constexpr const char* kNotDownloadData = "磁盘中的数据不是可下载的数据！";
inline constexpr const char* kCannotCopyReadingPrefix = "不能拷贝文件\"";
inline constexpr const char* kCannotCopyReadingSuffix = "\",请关闭其它数据库应用！";

inline constexpr const char* kFieldCountWrong = "磁盘中数据不是合法数据(1.字段数目不符)，不能下载数据！";
inline constexpr const char* kUnitNumberWrong = "磁盘数据中单位登记号非法，不能下载数据！";
inline constexpr const char* kFieldOrderWrong = "磁盘中数据不是合法数据(2.字段顺序不符)，不能下载数据！";

inline constexpr const char* kUpdatingCommunities = "正在更新小区信息库，请稍候...";
inline constexpr const char* kExtracting = "正在解压缩数据，请稍候...";

}  // namespace exchange::msg
