#include "core/login_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/login.h"
#include "ui/dialog_buttons.h"

namespace core {

LoginDialog::LoginDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("TfrmLogin");
    setWindowTitle(QString::fromUtf8("用户登录"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    name_ = new QLineEdit(QStringLiteral("USER"), this);
    name_->setObjectName("EditName");
    name_->setMaxLength(30);
    password_ = new QLineEdit(this);
    password_->setObjectName("EditPasswd");
    password_->setMaxLength(15);
    password_->setEchoMode(QLineEdit::Password);

    auto* form = new QFormLayout;
    form->addRow(QString::fromUtf8("用户名:"), name_);
    form->addRow(QString::fromUtf8("登录密码:"), password_);

    auto buttons = ui::ok_cancel_row(this, "ButtonOk", "确定(&O)", "ButtonCancel", "取消(&C)");
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons.layout);
    setFixedSize(sizeHint().expandedTo(QSize(320, 150)));
}

bool LoginDialog::ask(Credentials& out) {
    password_->setFocus();
    if (exec() != QDialog::Accepted) return false;
    out.name = name_->text().toStdString();
    out.password = password_->text().toStdString();
    return true;
}

}  // namespace core
