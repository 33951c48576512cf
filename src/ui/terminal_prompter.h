#pragma once
// The Prompter of the command line (palvorctl): messages go to stderr as "caption: text".
// Questions are answered Yes only when the user said so on the command line (assume_yes), else
// No or Cancel, so nothing happens unasked. There are no dialogs: every input is refused.
#include <iosfwd>

#include "ui/prompter.h"

namespace ui {

class TerminalPrompter : public Prompter {
public:
    explicit TerminalPrompter(bool assume_yes = false);
    // For tests: write to `out` instead of stderr.
    TerminalPrompter(bool assume_yes, std::ostream& out);

    Button message(const Message& m) override;
    bool input_text(const std::string& caption, const std::string& prompt, std::string& value, int mode) override;
    bool input_date(std::string& date) override;
    bool input_password(int& digest) override;
    std::optional<std::string> choose_file(const FileChoice& choice) override;
    std::optional<std::string> choose_directory(const std::string& initial_dir) override;

private:
    void refuse(const std::string& caption, const std::string& prompt);

    bool assume_yes_;
    std::ostream& out_;
};

}  // namespace ui
