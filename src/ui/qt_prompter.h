#pragma once
// The program's Prompter: message boxes with Chinese buttons, the shared small dialogs and the
// file chooser. Boxes sit over `parent`, or over the active window when none is given.
#include <QPointer>
#include <QWidget>

#include "ui/prompter.h"

namespace core {
struct AppState;
}

namespace ui {

class QtPrompter : public Prompter {
public:
    // `state` gives start_dir and receives xzcp_dir from the choose-target-disk dialog.
    explicit QtPrompter(QWidget* parent = nullptr, core::AppState* state = nullptr);

    Button message(const Message& m) override;
    bool input_text(const std::string& caption, const std::string& prompt, std::string& value, int mode) override;
    bool input_date(std::string& date) override;
    bool input_password(int& digest) override;
    std::optional<std::string> choose_file(const FileChoice& choice) override;
    std::optional<std::string> choose_directory(const std::string& initial_dir) override;

private:
    QWidget* parent_widget() const;

    QPointer<QWidget> parent_;
    core::AppState* state_;
};

// "ARJ压缩文件|*.arj|DBF|*.dbf" (description|patterns pairs) becomes Qt's
// "ARJ压缩文件 (*.arj);;DBF (*.dbf)"; a filter already in Qt's form is kept.
QString file_filter_text(const std::string& filter);

}  // namespace ui
