#pragma once
// Texts of the user-interface adapter: message box buttons, the default error report, the terminal.

namespace ui::msg {

inline constexpr const char* kButtonOk = "确定";
inline constexpr const char* kButtonCancel = "取消";
inline constexpr const char* kButtonYes = "是(&Y)";
inline constexpr const char* kButtonNo = "否(&N)";

// The default error report of a command that failed.
inline constexpr const char* kInternalError = "程序内部错误：";
inline constexpr const char* kUnknownError = "发生未知错误，操作没有完成。";

// The terminal cannot show dialogs.
inline constexpr const char* kNoInputOnTerminal = "（命令行方式下不能输入，操作取消）";
inline constexpr const char* kAnsweredYes = "（自动回答：是）";
inline constexpr const char* kAnsweredNo = "（自动回答：否）";

}  // namespace ui::msg
