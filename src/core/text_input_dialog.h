#pragma once
// The one-line input dialog: a caption and prompt per use, digits only, a decimal number or any text.
#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace core {

class TextInputDialog : public QDialog {
    Q_OBJECT
public:
    explicit TextInputDialog(QWidget* parent = nullptr);

    // mode 0 accepts digits, 1 digits and ".", any other mode every key; Enter presses 确定.
    void preset(const std::string& caption, const std::string& prompt, const std::string& value, int mode);
    // The edit's text as typed (not trimmed).
    std::string value() const;

private:
    QLabel* prompt_;
    QLineEdit* edit_;
    QPushButton* ok_;
    int mode_ = 2;
};

// Shows the input dialog; on 确定 stores the text in `value` and returns true.
bool input_text(const std::string& caption, const std::string& prompt, std::string& value, int mode,
                QWidget* parent = nullptr);

}  // namespace core
