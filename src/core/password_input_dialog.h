#pragma once
// The password dialog "密码输入": the new password typed twice.
#include <QDialog>

class QLineEdit;

namespace ui {
class Prompter;
}

namespace core {

class PasswordInputDialog : public QDialog {
    Q_OBJECT
public:
    explicit PasswordInputDialog(QWidget* parent = nullptr);
    QString first() const;
    QString second() const;

private:
    QLineEdit* edit1_;
    QLineEdit* edit2_;
};

// Shows the password dialog; on 确定 with two equal entries sets `digest` to the password's
// digest and returns true. Different entries are reported through `prompter` and give false.
bool input_password(ui::Prompter& prompter, int& digest, QWidget* parent = nullptr);

}  // namespace core
