#pragma once
// Progress of long work: a window in the program, a line on the terminal in palvorctl, nothing in
// tests. Callers counting records pass count + 1 as maximum and 0 as position and minimum.
#include <string>

namespace ui {

class Progress {
public:
    virtual ~Progress() = default;
    virtual void begin(long long maximum, long long position, long long minimum, const std::string& title) = 0;
    virtual void step(long long n = 1) = 0;
    virtual void set(long long position) = 0;
    virtual void end() = 0;
};

// Progress that shows nothing.
class NoProgress : public Progress {
public:
    void begin(long long, long long, long long, const std::string&) override {}
    void step(long long) override {}
    void set(long long) override {}
    void end() override {}
};

// Starts progress and ends it when the scope is left, also by an error.
class ProgressScope {
public:
    ProgressScope(Progress& p, long long maximum, const std::string& title) : p_(p) { p_.begin(maximum, 0, 0, title); }
    ~ProgressScope() { p_.end(); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

private:
    Progress& p_;
};

}  // namespace ui
