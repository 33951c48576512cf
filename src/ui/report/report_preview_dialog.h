#pragma once
// The report preview: page navigation, zoom, printing and PDF export of a laid-out report.
#include <QDialog>
#include <memory>

#include "ui/report/page_model.h"

class QAction;
class QComboBox;
class QLabel;
class QScrollArea;
class QSpinBox;

namespace ui::report {

class PageView;

class ReportPreviewDialog : public QDialog {
    Q_OBJECT
public:
    explicit ReportPreviewDialog(std::shared_ptr<const Document> doc, QWidget* parent = nullptr);

    int current_page() const;  // 1-based
    void go_to_page(int page);
    double zoom() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Fit { Width, Page, None };
    QAction* add_action(const char* name, const char* text, const char* theme_icon, int icon, const QKeySequence& key);
    void build_toolbar();
    void apply_zoom_choice(int index);
    void set_fixed_zoom(double zoom);
    void refit();
    void update_controls();
    void print_document();
    void export_pdf();

    std::shared_ptr<const Document> doc_;
    PageView* view_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QSpinBox* page_spin_ = nullptr;
    QLabel* page_count_ = nullptr;
    QComboBox* zoom_box_ = nullptr;
    QAction* first_ = nullptr;
    QAction* previous_ = nullptr;
    QAction* next_ = nullptr;
    QAction* last_ = nullptr;
    Fit fit_ = Fit::Width;
};

}  // namespace ui::report
