#pragma once
// Texts of the report preview, printing and PDF output.

namespace ui::report::msg {

inline constexpr const char* kPreviewCaption = "打印预览";
inline constexpr const char* kFirstPage = "首页";
inline constexpr const char* kPreviousPage = "上一页";
inline constexpr const char* kNextPage = "下一页";
inline constexpr const char* kLastPage = "末页";
inline constexpr const char* kPageLabel = "页码：";
inline constexpr const char* kPageCount = "共 %1 页";
inline constexpr const char* kZoomIn = "放大";
inline constexpr const char* kZoomOut = "缩小";
inline constexpr const char* kFitWidth = "适合页宽";
inline constexpr const char* kFitPage = "整页";
inline constexpr const char* kPrint = "打印";
inline constexpr const char* kExportPdf = "导出PDF";
inline constexpr const char* kClose = "关闭";
inline constexpr const char* kPrintDialogTitle = "打印";
inline constexpr const char* kExportPdfTitle = "导出PDF文件";
inline constexpr const char* kPdfFilter = "PDF文件 (*.pdf)";
inline constexpr const char* kErrorCaption = "错误信息";
inline constexpr const char* kPdfWriteFailed = "无法写入PDF文件：";
inline constexpr const char* kPrintFailed = "无法开始打印，请检查打印机设置！";
inline constexpr const char* kPdfCreator = "Palvor";

}  // namespace ui::report::msg

namespace ui::report::msg {

// The paged list form.
inline constexpr const char* kNumberCaption = "序号";
inline constexpr const char* kPageSubtotal = "本页小计";
inline constexpr const char* kGrandTotal = "合计（首页填写）";
inline constexpr const char* kPageCountText = "共%1页";
inline constexpr const char* kPageNumberText = "第%1页";
inline constexpr const char* kNoRecordCount = "报表未设置记录数。";
inline constexpr const char* kNoData = "报表未设置数据。";

}  // namespace ui::report::msg
