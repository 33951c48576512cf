#include "ui/scripted_prompter.h"

namespace ui {

std::vector<std::string> ScriptedPrompter::texts() const {
    std::vector<std::string> out;
    for (const auto& m : messages) out.push_back(m.text);
    return out;
}

Button ScriptedPrompter::message(const Message& m) {
    messages.push_back(m);
    if (answers_.empty()) return m.default_button;
    Button b = answers_.front();
    answers_.pop_front();
    return b;
}

bool ScriptedPrompter::input_text(const std::string&, const std::string&, std::string& value, int) {
    if (texts_.empty()) return false;
    auto [text, ok] = texts_.front();
    texts_.pop_front();
    if (ok) value = text;
    return ok;
}

bool ScriptedPrompter::input_date(std::string& date) { return input_text("", "", date, 2); }

bool ScriptedPrompter::input_password(int& digest) {
    if (passwords_.empty()) return false;
    auto [d, ok] = passwords_.front();
    passwords_.pop_front();
    if (ok) digest = d;
    return ok;
}

std::optional<std::string> ScriptedPrompter::choose_file(const FileChoice&) {
    if (files_.empty()) return std::nullopt;
    std::string f = files_.front();
    files_.pop_front();
    return f;
}

std::optional<std::string> ScriptedPrompter::choose_directory(const std::string&) { return choose_file({}); }

}  // namespace ui
