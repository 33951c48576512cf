#include "ui/progress_window.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace ui {

namespace {

constexpr int kUpdateMs = 50;

// QProgressBar holds int; long totals are scaled onto this range.
constexpr long long kBarRange = 1000000;

}  // namespace

ProgressWindow::ProgressWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("TfrmProgressBarShow");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    bar_ = new QProgressBar;
    bar_->setObjectName("ProgressBar");
    bar_->setRange(0, int(kBarRange));
    layout->addWidget(bar_);
    setFixedSize(460, 30 + 16);
    since_update_.start();
}

QString ProgressWindow::caption() const {
    return title_ + " (" + QString::number(current_) + "/" + QString::number(total_) + ")";
}

void ProgressWindow::begin(long long maximum, long long position, long long minimum, const std::string& title) {
    title_ = QString::fromStdString(title);
    total_ = maximum;
    minimum_ = minimum;
    current_ = position;
    position_ = position;
    shown_percent_ = -1;
    show_window();
    update_view(true);
}

void ProgressWindow::step(long long n) { advance_to(position_ + n, current_ + n); }

void ProgressWindow::set(long long position) { advance_to(position, position); }

void ProgressWindow::advance_to(long long position, long long current) {
    position_ = position;
    current_ = current;
    show_window();
    if (position_ >= total_) {
        update_view(true);
        hide();
        return;
    }
    update_view(false);
}

void ProgressWindow::end() {
    if (isVisible()) hide();
}

void ProgressWindow::show_window() {
    if (isVisible()) return;
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    raise();
}

void ProgressWindow::update_view(bool force) {
    long long span = std::max(1LL, total_ - minimum_);
    long long done = std::clamp(position_ - minimum_, 0LL, span);
    int percent = int(done * 100 / span);
    bool due = since_update_.elapsed() >= kUpdateMs;
    // Every whole percent and every 50 ms is enough for the eye; more only costs time.
    if (!force && !due && percent == shown_percent_) return;
    shown_percent_ = percent;
    setWindowTitle(caption());
    bar_->setValue(int(done * kBarRange / span));
    if (due || force) {
        since_update_.restart();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

}  // namespace ui
