#pragma once
// Everything a service or window asks the user goes through a Prompter: in the program a message
// box or small dialog, in tests a scripted double, in palvorctl the terminal.
#include <optional>
#include <string>
#include <vector>

namespace ui {

enum class Icon { None, Information, Warning, Error, Question };
enum class Button { Ok = 1, Cancel = 2, Yes = 4, No = 8 };
using Buttons = int;  // Button values or'ed together
constexpr Buttons OkOnly = int(Button::Ok);
constexpr Buttons YesNo = int(Button::Yes) | int(Button::No);
constexpr Buttons OkCancel = int(Button::Ok) | int(Button::Cancel);

struct Message {
    std::string caption;
    std::string text;
    Icon icon = Icon::Information;
    Buttons buttons = OkOnly;
    Button default_button = Button::Ok;
};

struct FileChoice {
    std::string title;
    std::string filter;             // e.g. "小区信息文件 (*_xqxx.arj *_xqxx.dbf)"
    std::string default_extension;  // without the dot
    std::string initial_dir;
};

class Prompter {
public:
    virtual ~Prompter() = default;

    // Shows a message and returns the button pressed.
    virtual Button message(const Message& m) = 0;
    // The input dialog: mode 0 digits only, 1 digits and ".", other modes any text.
    virtual bool input_text(const std::string& caption, const std::string& prompt, std::string& value, int mode) = 0;
    // The date dialog: `date` is "yyyy-mm-dd" in and out.
    virtual bool input_date(std::string& date) = 0;
    // The password dialog: the digest of the password typed twice.
    virtual bool input_password(int& digest) = 0;
    // A file to open; nullopt when cancelled.
    virtual std::optional<std::string> choose_file(const FileChoice& choice) = 0;
    // A target directory (the choose-target-disk dialog); nullopt when cancelled.
    virtual std::optional<std::string> choose_directory(const std::string& initial_dir) = 0;

    // Conveniences over message().
    void inform(const std::string& caption, const std::string& text, Icon icon = Icon::Information) {
        message({caption, text, icon, OkOnly, Button::Ok});
    }
    void warn(const std::string& caption, const std::string& text) { inform(caption, text, Icon::Warning); }
    void error(const std::string& caption, const std::string& text) { inform(caption, text, Icon::Error); }
    // A Yes/No question; true for Yes. `default_yes` chooses the default button.
    bool ask(const std::string& caption, const std::string& text, bool default_yes = true,
             Icon icon = Icon::Question) {
        return message({caption, text, icon, YesNo, default_yes ? Button::Yes : Button::No}) == Button::Yes;
    }
};

}  // namespace ui
