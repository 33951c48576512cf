#include "ui/report/report_output.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <algorithm>

#include "store/errors.h"
#include "ui/report/messages.h"
#include "ui/report/page_painter.h"
#include "ui/report/report_preview_dialog.h"

namespace ui::report {

namespace {

QPageLayout page_layout(const PageSetup& setup) {
    // Margins are part of the page model, so the device itself gets none.
    return QPageLayout(QPageSize(QPageSize::A4),
                       setup.orientation == Orientation::Portrait ? QPageLayout::Portrait : QPageLayout::Landscape,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

}  // namespace

void write_pdf(const Document& doc, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw palvor::Error(msg::kPdfWriteFailed + path.toStdString() + "（" + file.errorString().toStdString() + "）");
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(page_layout(doc.setup));
        writer.setResolution(600);
        writer.setTitle(doc.title);
        writer.setCreator(QString::fromUtf8(msg::kPdfCreator));
        QPainter painter;
        if (!painter.begin(&writer)) throw palvor::Error(msg::kPdfWriteFailed + path.toStdString());
        double px_per_mm = writer.resolution() / 25.4;
        for (std::size_t i = 0; i < doc.pages.size(); ++i) {
            if (i) writer.newPage();
            paint_page(painter, doc.pages[i], px_per_mm);
        }
        painter.end();
    }
    if (!file.commit())
        throw palvor::Error(msg::kPdfWriteFailed + path.toStdString() + "（" + file.errorString().toStdString() + "）");
}

void print_to(const Document& doc, QPrinter& printer, int first, int last) {
    int count = doc.page_count();
    first = std::max(1, first);
    last = (last <= 0 || last > count) ? count : last;
    if (first > last) return;
    printer.setFullPage(true);
    printer.setPageLayout(page_layout(doc.setup));
    if (printer.docName().isEmpty()) printer.setDocName(doc.title);
    QPainter painter;
    if (!painter.begin(&printer)) throw palvor::Error(msg::kPrintFailed);
    double px_per_mm = printer.resolution() / 25.4;
    for (int i = first; i <= last; ++i) {
        if (i > first) printer.newPage();
        paint_page(painter, doc.pages[std::size_t(i - 1)], px_per_mm);
    }
    painter.end();
}

bool print(const Document& doc, QWidget* parent) {
    if (doc.pages.empty()) return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(page_layout(doc.setup));
    printer.setDocName(doc.title);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QString::fromUtf8(msg::kPrintDialogTitle));
    dialog.setMinMax(1, doc.page_count());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (dialog.exec() != QDialog::Accepted) return false;
    int first = 1, last = 0;
    if (printer.printRange() == QPrinter::PageRange) {
        first = printer.fromPage();
        last = printer.toPage();
    }
    print_to(doc, printer, first, last);
    return true;
}

void preview(std::shared_ptr<const Document> doc, QWidget* parent) {
    if (!doc || doc->pages.empty()) return;
    ReportPreviewDialog dialog(std::move(doc), parent);
    dialog.exec();
}

}  // namespace ui::report
