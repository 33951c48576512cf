#pragma once
// Message texts and captions of the registry windows.

namespace registry::msg {

inline constexpr const char* kCaptionSearch = "查找参数输入";

inline constexpr const char* kNotReceived = "尚未接收基本信息及业务流水，不能进行任何业务操作！";

inline constexpr const char* kXqbhEmpty = "小区编号不能为空！";
inline constexpr const char* kXqbhInvalid = "小区编号输入有误！";
inline constexpr const char* kXqbhDuplicate = "小区编号重复！请重新录入！";
inline constexpr const char* kXqmcEmpty = "小区名称不能为空！";
inline constexpr const char* kXqmcDuplicate = "小区名称重复！请重新录入！";
inline constexpr const char* kXqHasBuildings = "该小区名称下有幢信息，不能删除！";
inline constexpr const char* kXqSearchNumberInvalid = "输入有误：小区编号必须是数值！";
inline constexpr const char* kXqSearchSequenceInvalid = "输入有误：小区序号必须是数值！";
inline constexpr const char* kNoSuchNumber = "查无此编号!";
inline constexpr const char* kNoSuchSequence = "查无此序号!";
inline constexpr const char* kNoSuchName = "查无此名称!";

}  // namespace registry::msg
