#pragma once
// A Prompter for tests and headless runs: it records every message and answers from a script.
// Unscripted questions get the default button; unscripted inputs are cancelled.
#include <deque>
#include <string>
#include <vector>

#include "ui/prompter.h"

namespace ui {

class ScriptedPrompter : public Prompter {
public:
    std::vector<Message> messages;  // every message shown, in order

    // Queue answers, consumed in order by message(), input_text()/input_date(), choose_*().
    void answer(Button b) { answers_.push_back(b); }
    void answer_text(const std::string& value, bool ok = true) { texts_.push_back({value, ok}); }
    void answer_file(const std::string& path) { files_.push_back(path); }
    void answer_password(int digest, bool ok = true) { passwords_.push_back({digest, ok}); }

    // The text of the last message, or empty.
    std::string last_text() const { return messages.empty() ? std::string() : messages.back().text; }
    std::string last_caption() const { return messages.empty() ? std::string() : messages.back().caption; }
    std::vector<std::string> texts() const;
    void clear() { messages.clear(); }

    Button message(const Message& m) override;
    bool input_text(const std::string& caption, const std::string& prompt, std::string& value, int mode) override;
    bool input_date(std::string& date) override;
    bool input_password(int& digest) override;
    std::optional<std::string> choose_file(const FileChoice& choice) override;
    std::optional<std::string> choose_directory(const std::string& initial_dir) override;

private:
    std::deque<Button> answers_;
    std::deque<std::pair<std::string, bool>> texts_;
    std::deque<std::string> files_;
    std::deque<std::pair<int, bool>> passwords_;
};

}  // namespace ui
