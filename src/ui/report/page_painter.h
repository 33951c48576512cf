#pragma once
// Paints one laid-out page onto any paint device: screen, printer or PDF.
#include <QFont>
#include <QPointF>

#include "ui/report/page_model.h"

class QPainter;
class QPaintDevice;

namespace ui::report {

// The report font for a device at the given scale (device pixels per millimetre of paper).
QFont report_font(const Font& font, double px_per_mm, const QPaintDevice* device);

// Paints the page with its top-left paper corner at `origin` (device pixels).
void paint_page(QPainter& painter, const Page& page, double px_per_mm, QPointF origin = {});

}  // namespace ui::report
