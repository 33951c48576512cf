#include "ui/report/report_preview_dialog.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "store/errors.h"
#include "ui/report/messages.h"
#include "ui/report/page_view.h"
#include "ui/report/report_output.h"

namespace ui::report {

namespace {

QString tr8(const char* text) { return QString::fromUtf8(text); }

// Items of the zoom box after the two fit choices.
constexpr int kZoomPercents[] = {50, 75, 100, 125, 150, 200, 300};

}  // namespace

ReportPreviewDialog::ReportPreviewDialog(std::shared_ptr<const Document> doc, QWidget* parent)
    : QDialog(parent), doc_(std::move(doc)) {
    setObjectName("ReportPreview");
    setWindowTitle(doc_->title.isEmpty() ? tr8(msg::kPreviewCaption)
                                         : doc_->title.simplified() + " - " + tr8(msg::kPreviewCaption));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    view_ = new PageView(doc_);
    scroll_ = new QScrollArea;
    scroll_->setObjectName("ScrollArea");
    scroll_->setWidget(view_);
    scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette desk = scroll_->palette();
    desk.setColor(QPalette::Dark, PageView::kDeskColor);
    scroll_->setPalette(desk);
    scroll_->setBackgroundRole(QPalette::Dark);
    scroll_->viewport()->installEventFilter(this);
    build_toolbar();
    layout->addWidget(scroll_, 1);

    if (QScreen* screen = this->screen()) {
        QRect avail = screen->availableGeometry();
        resize(int(avail.width() * 0.8), int(avail.height() * 0.9));
    } else {
        resize(1000, 800);
    }
    update_controls();
}

QAction* ReportPreviewDialog::add_action(const char* name, const char* text, const char* theme_icon, int icon,
                                         const QKeySequence& key) {
    QIcon fallback = style()->standardIcon(QStyle::StandardPixmap(icon));
    auto* a = new QAction(QIcon::fromTheme(QString::fromLatin1(theme_icon), fallback), tr8(text), this);
    a->setObjectName(name);
    a->setShortcut(key);
    addAction(a);
    return a;
}

void ReportPreviewDialog::build_toolbar() {
    auto* bar = new QToolBar;
    bar->setObjectName("ToolBar");
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->setMovable(false);

    auto* print = add_action("ActionPrint", msg::kPrint, "document-print", QStyle::SP_FileDialogDetailedView, QKeySequence::Print);
    auto* pdf = add_action("ActionExportPdf", msg::kExportPdf, "document-save-as", QStyle::SP_DialogSaveButton, QKeySequence::Save);
    connect(print, &QAction::triggered, this, &ReportPreviewDialog::print_document);
    connect(pdf, &QAction::triggered, this, &ReportPreviewDialog::export_pdf);
    bar->addAction(print);
    bar->addAction(pdf);
    bar->addSeparator();

    first_ = add_action("ActionFirstPage", msg::kFirstPage, "go-first", QStyle::SP_MediaSkipBackward, Qt::CTRL | Qt::Key_Home);
    previous_ = add_action("ActionPreviousPage", msg::kPreviousPage, "go-previous", QStyle::SP_MediaSeekBackward, Qt::Key_PageUp);
    next_ = add_action("ActionNextPage", msg::kNextPage, "go-next", QStyle::SP_MediaSeekForward, Qt::Key_PageDown);
    last_ = add_action("ActionLastPage", msg::kLastPage, "go-last", QStyle::SP_MediaSkipForward, Qt::CTRL | Qt::Key_End);
    connect(first_, &QAction::triggered, this, [this] { go_to_page(1); });
    connect(previous_, &QAction::triggered, this, [this] { go_to_page(current_page() - 1); });
    connect(next_, &QAction::triggered, this, [this] { go_to_page(current_page() + 1); });
    connect(last_, &QAction::triggered, this, [this] { go_to_page(doc_->page_count()); });
    bar->addAction(first_);
    bar->addAction(previous_);

    bar->addWidget(new QLabel(" " + tr8(msg::kPageLabel)));
    page_spin_ = new QSpinBox;
    page_spin_->setObjectName("SpinPage");
    page_spin_->setRange(1, std::max(1, doc_->page_count()));
    page_spin_->setKeyboardTracking(false);
    connect(page_spin_, &QSpinBox::valueChanged, this, [this](int p) { go_to_page(p); });
    bar->addWidget(page_spin_);
    page_count_ = new QLabel(" " + tr8(msg::kPageCount).arg(doc_->page_count()) + " ");
    page_count_->setObjectName("LabelPageCount");
    bar->addWidget(page_count_);
    bar->addAction(next_);
    bar->addAction(last_);
    bar->addSeparator();

    auto* zoom_out = add_action("ActionZoomOut", msg::kZoomOut, "zoom-out", QStyle::SP_ArrowDown, QKeySequence::ZoomOut);
    auto* zoom_in = add_action("ActionZoomIn", msg::kZoomIn, "zoom-in", QStyle::SP_ArrowUp, QKeySequence::ZoomIn);
    connect(zoom_out, &QAction::triggered, this, [this] { set_fixed_zoom(view_->zoom() / 1.25); });
    connect(zoom_in, &QAction::triggered, this, [this] { set_fixed_zoom(view_->zoom() * 1.25); });
    zoom_box_ = new QComboBox;
    zoom_box_->setObjectName("ComboZoom");
    zoom_box_->addItem(tr8(msg::kFitWidth));
    zoom_box_->addItem(tr8(msg::kFitPage));
    for (int p : kZoomPercents) zoom_box_->addItem(QString::number(p) + "%");
    connect(zoom_box_, &QComboBox::activated, this, &ReportPreviewDialog::apply_zoom_choice);
    bar->addAction(zoom_out);
    bar->addWidget(zoom_box_);
    bar->addAction(zoom_in);
    bar->addSeparator();

    auto* close = add_action("ActionClose", msg::kClose, "window-close", QStyle::SP_DialogCloseButton, QKeySequence());
    connect(close, &QAction::triggered, this, &QDialog::accept);
    bar->addAction(close);
    static_cast<QVBoxLayout*>(layout())->addWidget(bar);
}

int ReportPreviewDialog::current_page() const { return view_->page() + 1; }
double ReportPreviewDialog::zoom() const { return view_->zoom(); }

void ReportPreviewDialog::go_to_page(int page) {
    page = std::clamp(page, 1, std::max(1, doc_->page_count()));
    view_->set_page(page - 1);
    scroll_->verticalScrollBar()->setValue(0);
    update_controls();
}

void ReportPreviewDialog::update_controls() {
    int p = current_page(), n = doc_->page_count();
    first_->setEnabled(p > 1);
    previous_->setEnabled(p > 1);
    next_->setEnabled(p < n);
    last_->setEnabled(p < n);
    QSignalBlocker block(page_spin_);
    page_spin_->setValue(p);
}

void ReportPreviewDialog::apply_zoom_choice(int index) {
    int listed = int(std::size(kZoomPercents));
    if (index >= 2 + listed) return;  // the extra item is the zoom already shown
    if (index >= 2) {
        fit_ = Fit::None;
        view_->set_zoom(kZoomPercents[index - 2] / 100.0);
        return;
    }
    fit_ = index == 0 ? Fit::Width : Fit::Page;
    refit();
}

void ReportPreviewDialog::set_fixed_zoom(double zoom) {
    fit_ = Fit::None;
    view_->set_zoom(zoom);
    // A zoom not in the list shows as one extra item at its end.
    QSignalBlocker block(zoom_box_);
    int fixed = 2 + int(std::size(kZoomPercents));
    while (zoom_box_->count() > fixed) zoom_box_->removeItem(fixed);
    int percent = int(std::lround(view_->zoom() * 100));
    auto known = std::find(std::begin(kZoomPercents), std::end(kZoomPercents), percent);
    if (known != std::end(kZoomPercents)) {
        zoom_box_->setCurrentIndex(2 + int(known - std::begin(kZoomPercents)));
    } else {
        zoom_box_->addItem(QString::number(percent) + "%");
        zoom_box_->setCurrentIndex(fixed);
    }
}

void ReportPreviewDialog::refit() {
    QSize area = scroll_->viewport()->size();
    if (fit_ == Fit::Width)
        view_->set_zoom(view_->zoom_for_width(area.width() - scroll_->verticalScrollBar()->sizeHint().width()));
    else if (fit_ == Fit::Page)
        view_->set_zoom(view_->zoom_for_size(area));
}

bool ReportPreviewDialog::eventFilter(QObject* watched, QEvent* event) {
    // The fit zooms follow the visible area, which the layout settles only after the dialog's own resize.
    if (watched == scroll_->viewport() && event->type() == QEvent::Resize) refit();
    if (watched == scroll_->viewport() && event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            set_fixed_zoom(view_->zoom() * (wheel->angleDelta().y() > 0 ? 1.1 : 1 / 1.1));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ReportPreviewDialog::print_document() {
    try {
        print(*doc_, this);
    } catch (const palvor::Error& e) {
        QMessageBox::warning(this, tr8(msg::kErrorCaption), QString::fromStdString(e.what()));
    }
}

void ReportPreviewDialog::export_pdf() {
    QString name = doc_->title;
    name.remove(' ');
    QString path = QFileDialog::getSaveFileName(this, tr8(msg::kExportPdfTitle),
                                                QDir::home().filePath((name.isEmpty() ? "report" : name) + ".pdf"),
                                                tr8(msg::kPdfFilter));
    if (path.isEmpty()) return;
    if (!path.endsWith(".pdf", Qt::CaseInsensitive)) path += ".pdf";
    try {
        write_pdf(*doc_, path);
    } catch (const palvor::Error& e) {
        QMessageBox::warning(this, tr8(msg::kErrorCaption), QString::fromStdString(e.what()));
    }
}

}  // namespace ui::report
