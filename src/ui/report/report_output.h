#pragma once
// Where a laid-out report goes: the preview window, a printer, a PDF file.
#include <QString>
#include <memory>

#include "ui/report/page_model.h"

class QPrinter;
class QWidget;

namespace ui::report {

// Writes all pages to a PDF file, replacing it only when complete; throws palvor::Error.
void write_pdf(const Document& doc, const QString& path);
// Prints pages first..last (1-based; 0 = to the end) on a set-up printer; throws palvor::Error.
void print_to(const Document& doc, QPrinter& printer, int first = 1, int last = 0);
// The print dialog, then printing. False when there is nothing to print or the user cancelled.
bool print(const Document& doc, QWidget* parent);
// The preview window, modal. Nothing happens for a document without pages.
void preview(std::shared_ptr<const Document> doc, QWidget* parent);

}  // namespace ui::report
