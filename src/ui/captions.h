#pragma once
// Captions of the program's message boxes, shared by every subsystem.

namespace ui::caption {

inline constexpr const char* kInfo = "提示信息";
inline constexpr const char* kHint = "提示";
inline constexpr const char* kWarning = "警告";
inline constexpr const char* kError = "错误信息";
inline constexpr const char* kFailed = "失败";
inline constexpr const char* kConfirm = "确认";
inline constexpr const char* kExit = "退出确认";
inline constexpr const char* kDelete = "删除提示";
inline constexpr const char* kReceiveConfirm = "接收确认";

}  // namespace ui::caption
