#include "ui/report/page_painter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

namespace ui::report {

namespace {

constexpr double kPaddingMm = 0.8;  // text keeps off the cell rules
constexpr double kMinShrink = 0.7;  // below this a long text wraps instead of shrinking further

Qt::Alignment qt_align(Align a) {
    switch (a) {
        case Align::Center:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case Align::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        default:
            return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

}  // namespace

QFont report_font(const Font& font, double px_per_mm, const QPaintDevice* device) {
    QFont f(QString::fromLatin1(kReportFontFamily));
    // Sizes are real points on paper; convert through the device's own idea of a point.
    double px = font.points / 72.0 * 25.4 * px_per_mm;
    int dpi = device ? device->logicalDpiY() : 96;
    f.setPointSizeF(std::max(0.5, px * 72.0 / (dpi > 0 ? dpi : 96)));
    f.setBold(font.bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

void paint_page(QPainter& painter, const Page& page, double px_per_mm, QPointF origin) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    auto to_px = [&](QPointF p) { return origin + p * px_per_mm; };

    for (const LineItem& l : page.lines) {
        QPen pen(Qt::black, std::max(1.0, l.width * px_per_mm));
        pen.setCapStyle(Qt::SquareCap);
        painter.setPen(pen);
        painter.drawLine(QLineF(to_px(l.line.p1()), to_px(l.line.p2())));
    }

    painter.setPen(Qt::black);
    const QPaintDevice* device = painter.device();
    double pad = kPaddingMm * px_per_mm;
    for (const TextItem& t : page.texts) {
        QRectF r(to_px(t.rect.topLeft()), t.rect.size() * px_per_mm);
        QRectF inner = r.adjusted(pad, 0, -pad, 0);
        QFont font = report_font(t.font, px_per_mm, device);
        QFontMetricsF fm(font, const_cast<QPaintDevice*>(device));
        double width = fm.horizontalAdvance(t.text);
        if (width <= inner.width()) {
            painter.setFont(font);
            painter.drawText(inner, int(qt_align(t.align)) | Qt::TextSingleLine, t.text);
            continue;
        }
        // Too long for its cell: shrink a little, then wrap; never spill into the next cell.
        double shrink = std::max(kMinShrink, inner.width() / width);
        font.setPointSizeF(font.pointSizeF() * shrink);
        painter.setFont(font);
        painter.save();
        painter.setClipRect(r);
        int flags = int(qt_align(t.align));
        if (width * shrink > inner.width()) flags = (flags & ~Qt::AlignHorizontal_Mask) | Qt::AlignLeft | Qt::TextWrapAnywhere;
        painter.drawText(inner, flags, t.text);
        painter.restore();
    }
    painter.restore();
}

}  // namespace ui::report
