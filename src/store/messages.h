#pragma once
// Message texts of the store layer that the user sees.
#include <string>

namespace store::msg {

// dBase files: reading.
inline std::string dbf_cannot_open(const std::string& path, const std::string& why) {
    return "无法打开dBase文件" + path + "：" + why;
}
inline std::string dbf_damaged(const std::string& path, const std::string& what) {
    return "dBase文件" + path + "已损坏或不是dBase文件：" + what + "。";
}
inline const char* const dbf_header_short = "文件头不完整";
inline const char* const dbf_header_too_long = "文件头长度超出文件大小";
inline const char* const dbf_no_terminator = "字段说明缺少结束标记";
inline const char* const dbf_no_fields = "文件中没有字段";
inline const char* const dbf_too_many_fields = "字段数超过255";
inline const char* const dbf_bad_record_length = "记录长度与字段宽度不符";
inline std::string dbf_bad_field_name(int position) {
    return "第" + std::to_string(position) + "个字段的名称无效";
}
inline std::string dbf_duplicate_field(const std::string& name) { return "字段名" + name + "重复"; }
inline std::string dbf_unknown_type(const std::string& name, const std::string& type) {
    return "字段" + name + "的类型“" + type + "”无法识别";
}
inline std::string dbf_bad_field_width(const std::string& name, int width) {
    return "字段" + name + "的宽度" + std::to_string(width) + "无效";
}
inline std::string dbf_records_missing(long long stated, long long present) {
    return "文件头记载" + std::to_string(stated) + "条记录，文件中只有" + std::to_string(present) + "条";
}
inline std::string dbf_bad_value(const std::string& path, int record, const std::string& field,
                                 const std::string& what) {
    return "dBase文件" + path + "第" + std::to_string(record) + "条记录的字段" + field + what + "。";
}
inline const char* const dbf_not_gbk = "不是有效的GBK文本";
inline std::string dbf_not_number(const std::string& text) { return "“" + text + "”不是数字"; }
inline std::string dbf_not_integer(const std::string& text) { return "“" + text + "”不是整数"; }
inline std::string dbf_not_date(const std::string& text) { return "“" + text + "”不是日期"; }
inline std::string dbf_not_logical(const std::string& text) { return "“" + text + "”不是逻辑值"; }
inline std::string dbf_no_such_field(const std::string& path, const std::string& name) {
    return "dBase文件" + path + "中没有字段" + name + "。";
}

// dBase files: writing.
inline std::string dbf_layout_name(const std::string& name) {
    return "dBase字段名“" + name + "”无效：字段名须以英文字母开头，由英文字母、数字或下划线组成，最多10个字符。";
}
inline std::string dbf_layout_duplicate(const std::string& name) { return "dBase字段名“" + name + "”重复。"; }
inline std::string dbf_layout_width(const std::string& name) { return "dBase字段“" + name + "”的宽度或小数位数无效。"; }
inline std::string dbf_layout_count(int count) {
    return "dBase文件的字段数" + std::to_string(count) + "无效（应为1至255个）。";
}
inline std::string dbf_value_too_wide(const std::string& field, const std::string& value, const std::string& layout) {
    return "数值" + value + "超出字段" + field + "的宽度" + layout + "，不能写入dBase文件！";
}
inline std::string dbf_write_not_number(const std::string& field, const std::string& value) {
    return "字段" + field + "的值“" + value + "”不是数字，不能写入dBase文件！";
}
inline std::string dbf_write_not_date(const std::string& field, const std::string& value) {
    return "字段" + field + "的值“" + value + "”不是日期，不能写入dBase文件！";
}
inline std::string dbf_write_not_logical(const std::string& field, const std::string& value) {
    return "字段" + field + "的值“" + value + "”不是逻辑值，不能写入dBase文件！";
}
inline std::string dbf_write_field_type(const std::string& field) {
    return "字段" + field + "是日期字段，不能写入数值！";
}
inline std::string dbf_write_no_field(const std::string& name) { return "要写入的dBase文件中没有字段" + name + "。"; }
inline std::string dbf_write_failed(const std::string& path, const std::string& why) {
    return "写入dBase文件" + path + "时出错：" + why;
}
inline std::string dbf_too_many_rows(const std::string& path) {
    return "dBase文件" + path + "的记录数超出上限。";
}

// dBase files as tables for SQL.
inline std::string dbf_table_name_taken(const std::string& name) {
    return "dBase文件不能载入为表" + name + "：数据库中已有同名的数据表。";
}
inline std::string export_no_table(const std::string& name) { return "数据表" + name + "不存在，不能导出！"; }
inline constexpr const char* kExportWriteFailed = "写入导出文件时出错！";
inline std::string no_table(const std::string& name) { return "数据表" + name + "不存在！"; }

}  // namespace store::msg
