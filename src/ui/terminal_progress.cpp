#include "ui/terminal_progress.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>

namespace ui {

TerminalProgress::TerminalProgress()
    : TerminalProgress(std::cerr, isatty(fileno(stderr)) != 0, std::chrono::milliseconds(250)) {}

TerminalProgress::TerminalProgress(std::ostream& out, bool rewrite, std::chrono::milliseconds interval)
    : out_(out), rewrite_(rewrite), interval_(interval) {}

TerminalProgress::~TerminalProgress() { finish(); }

std::string TerminalProgress::line() const {
    return title_ + " (" + std::to_string(current_) + "/" + std::to_string(total_) + ")";
}

void TerminalProgress::begin(long long maximum, long long position, long long, const std::string& title) {
    finish();
    title_ = title;
    total_ = maximum;
    current_ = position_ = position;
    active_ = true;
    report(true);
}

void TerminalProgress::step(long long n) {
    current_ += n;
    position_ += n;
    active_ = true;
    report(position_ >= total_);
    if (position_ >= total_) finish();
}

void TerminalProgress::set(long long position) {
    current_ = position_ = position;
    active_ = true;
    report(position_ >= total_);
    if (position_ >= total_) finish();
}

void TerminalProgress::end() { finish(); }

void TerminalProgress::report(bool force) {
    auto now = std::chrono::steady_clock::now();
    if (!force && now - last_ < interval_) return;
    last_ = now;
    std::string text = line();
    if (rewrite_) {
        std::string pad(last_width_ > text.size() ? last_width_ - text.size() : 0, ' ');
        out_ << '\r' << text << pad << std::flush;
        last_width_ = text.size();
    } else {
        out_ << text << '\n' << std::flush;
    }
}

void TerminalProgress::finish() {
    if (!active_) return;
    active_ = false;
    if (rewrite_) out_ << '\n' << std::flush;
    last_width_ = 0;
}

}  // namespace ui
