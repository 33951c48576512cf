#include "ui/terminal_prompter.h"

#include <iostream>

#include "ui/messages.h"

namespace ui {

TerminalPrompter::TerminalPrompter(bool assume_yes) : TerminalPrompter(assume_yes, std::cerr) {}

TerminalPrompter::TerminalPrompter(bool assume_yes, std::ostream& out) : assume_yes_(assume_yes), out_(out) {}

Button TerminalPrompter::message(const Message& m) {
    out_ << m.caption << ": " << m.text;
    Button answer = Button::Ok;
    if (m.buttons & int(Button::Yes)) {
        answer = assume_yes_ ? Button::Yes : Button::No;
        out_ << ' ' << (assume_yes_ ? msg::kAnsweredYes : msg::kAnsweredNo);
    } else if (m.buttons & int(Button::Cancel)) {
        answer = assume_yes_ ? Button::Ok : Button::Cancel;
        out_ << ' ' << (assume_yes_ ? msg::kAnsweredYes : msg::kAnsweredNo);
    }
    out_ << std::endl;
    return answer;
}

void TerminalPrompter::refuse(const std::string& caption, const std::string& prompt) {
    out_ << caption << ": " << prompt << ' ' << msg::kNoInputOnTerminal << std::endl;
}

bool TerminalPrompter::input_text(const std::string& caption, const std::string& prompt, std::string&, int) {
    refuse(caption, prompt);
    return false;
}

bool TerminalPrompter::input_date(std::string&) {
    refuse("日期输入", "请输入相应的年、月、日：");
    return false;
}

bool TerminalPrompter::input_password(int&) {
    refuse("密码输入", "");
    return false;
}

std::optional<std::string> TerminalPrompter::choose_file(const FileChoice& choice) {
    refuse(choice.title, choice.filter);
    return std::nullopt;
}

std::optional<std::string> TerminalPrompter::choose_directory(const std::string& initial_dir) {
    refuse("选择目标磁盘", initial_dir);
    return std::nullopt;
}

}  // namespace ui
