#pragma once
// The login window "用户登录".
#include <QDialog>

class QLineEdit;

namespace core {

struct Credentials;

class LoginDialog : public QDialog {
    Q_OBJECT
public:
    explicit LoginDialog(QWidget* parent = nullptr);
    // Shows the window modally; false when it was closed other than with 确定.
    bool ask(Credentials& out);

private:
    QLineEdit* name_;
    QLineEdit* password_;
};

}  // namespace core
