#include "ui/report/page_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/report/page_painter.h"

namespace ui::report {

PageView::PageView(std::shared_ptr<const Document> doc, QWidget* parent) : QWidget(parent), doc_(std::move(doc)) {
    setObjectName("PageView");
    setAttribute(Qt::WA_OpaquePaintEvent);
    set_zoom(1.0);
}

double PageView::px_per_mm() const { return zoom_ * logicalDpiX() / 25.4; }

QSize PageView::paper_pixels() const {
    QSizeF mm = doc_->setup.paper_size();
    return QSize(int(std::lround(mm.width() * px_per_mm())), int(std::lround(mm.height() * px_per_mm())));
}

void PageView::set_page(int index) {
    index = std::clamp(index, 0, std::max(0, doc_->page_count() - 1));
    if (index == page_) return;
    page_ = index;
    update();
}

void PageView::set_zoom(double zoom) {
    zoom_ = std::clamp(zoom, 0.1, 8.0);
    setFixedSize(paper_pixels() + QSize(2 * kDesk, 2 * kDesk));
    update();
}

double PageView::zoom_for_width(int width) const {
    double mm = doc_->setup.paper_size().width();
    return std::max(0.1, double(width - 2 * kDesk) / (mm * logicalDpiX() / 25.4));
}

double PageView::zoom_for_size(QSize size) const {
    QSizeF mm = doc_->setup.paper_size();
    double per_mm = logicalDpiX() / 25.4;
    return std::max(0.1, std::min(double(size.width() - 2 * kDesk) / (mm.width() * per_mm),
                                  double(size.height() - 2 * kDesk) / (mm.height() * per_mm)));
}

void PageView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), kDeskColor);
    QRect paper(QPoint(kDesk, kDesk), paper_pixels());
    painter.fillRect(paper.translated(3, 3), QColor(0x40, 0x40, 0x40));
    painter.fillRect(paper, Qt::white);
    if (page_ < doc_->page_count()) {
        painter.setClipRect(paper);
        paint_page(painter, doc_->pages[std::size_t(page_)], px_per_mm(), paper.topLeft());
    }
}

}  // namespace ui::report
