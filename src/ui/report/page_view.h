#pragma once
// Shows one page of a laid-out report as paper on a grey desk, at a given zoom.
#include <QColor>
#include <QWidget>
#include <memory>

#include "ui/report/page_model.h"

namespace ui::report {

class PageView : public QWidget {
    Q_OBJECT
public:
    explicit PageView(std::shared_ptr<const Document> doc, QWidget* parent = nullptr);

    int page() const { return page_; }  // 0-based
    void set_page(int index);
    double zoom() const { return zoom_; }  // 1.0 = paper at its real size on screen
    void set_zoom(double zoom);
    // Zoom at which the paper fills the given width or fits the given area.
    double zoom_for_width(int width) const;
    double zoom_for_size(QSize size) const;

    static constexpr int kDesk = 16;  // grey border around the paper, pixels
    static inline const QColor kDeskColor{0x80, 0x86, 0x8b};

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double px_per_mm() const;
    QSize paper_pixels() const;

    std::shared_ptr<const Document> doc_;
    int page_ = 0;
    double zoom_ = 1.0;
};

}  // namespace ui::report
