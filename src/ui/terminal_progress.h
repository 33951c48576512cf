#pragma once
// Progress for palvorctl: "title (current/total)" on stderr, a few times a second at most.
// On a terminal the line is rewritten in place; into a file or pipe each report is one line.
#include <chrono>
#include <iosfwd>
#include <string>

#include "ui/progress.h"

namespace ui {

class TerminalProgress : public Progress {
public:
    TerminalProgress();  // stderr, rewriting in place when it is a terminal
    TerminalProgress(std::ostream& out, bool rewrite, std::chrono::milliseconds interval);
    ~TerminalProgress() override;

    void begin(long long maximum, long long position, long long minimum, const std::string& title) override;
    void step(long long n = 1) override;
    void set(long long position) override;
    void end() override;

    std::string line() const;  // title + " (" + current + "/" + total + ")"

private:
    void report(bool force);
    void finish();

    std::ostream& out_;
    bool rewrite_;
    std::chrono::milliseconds interval_;
    std::chrono::steady_clock::time_point last_{};
    std::string title_;
    long long current_ = 0;
    long long total_ = 0;
    long long position_ = 0;
    bool active_ = false;
    std::size_t last_width_ = 0;
};

}  // namespace ui
