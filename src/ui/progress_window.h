#pragma once
// The progress window: one bar filling a small window that stays on top, captioned
// "title (current/total)". It shows itself on every step and hides when the bar reaches its
// maximum. Long work calls it from the user-interface thread; it repaints at most every 50 ms
// and lets Qt handle paint events (not user input, so no command can start twice meanwhile).
#include <QElapsedTimer>
#include <QString>
#include <QWidget>

#include "ui/progress.h"

class QProgressBar;

namespace ui {

class ProgressWindow : public QWidget, public Progress {
    Q_OBJECT
public:
    explicit ProgressWindow(QWidget* parent = nullptr);

    void begin(long long maximum, long long position, long long minimum, const std::string& title) override;
    void step(long long n = 1) override;
    void set(long long position) override;
    void end() override;

    // title + " (" + current + "/" + total + ")", as the window shows it.
    QString caption() const;
    long long current() const { return current_; }
    long long total() const { return total_; }

private:
    void advance_to(long long position, long long current);
    void show_window();
    void update_view(bool force);

    QProgressBar* bar_;
    QString title_;
    long long current_ = 0;
    long long total_ = 0;
    long long minimum_ = 0;
    long long position_ = 0;
    int shown_percent_ = -1;
    QElapsedTimer since_update_;
};

}  // namespace ui
