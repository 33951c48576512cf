#include "core/password_input_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/messages.h"
#include "store/passwd.h"
#include "ui/prompter.h"
#include "ui/dialog_buttons.h"
#include "ui/captions.h"

namespace core {
namespace {

QLineEdit* password_edit(QWidget* parent, const char* name) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMaxLength(15);
    e->setEchoMode(QLineEdit::Password);
    e->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));  // shown as "*"
    return e;
}

}  // namespace

PasswordInputDialog::PasswordInputDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("TfrmInputPasswd");
    setWindowTitle(QString::fromUtf8("密码输入"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    edit1_ = password_edit(this, "Edit1");
    edit2_ = password_edit(this, "Edit2");
    auto buttons = ui::ok_cancel_row(this, "ButtonOk", "确定(&O)", "ButtonCancel", "取消(&C)");

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QString::fromUtf8("第一次输入:"), this), 0, 0);
    grid->addWidget(edit1_, 0, 1);
    grid->addWidget(new QLabel(QString::fromUtf8("第二次输入:"), this), 1, 0);
    grid->addWidget(edit2_, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons.layout);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    edit1_->setFocus();
}

QString PasswordInputDialog::first() const { return edit1_->text(); }
QString PasswordInputDialog::second() const { return edit2_->text(); }

bool input_password(ui::Prompter& prompter, int& digest, QWidget* parent) {
    PasswordInputDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    if (dialog.first() != dialog.second()) {
        prompter.warn(ui::caption::kWarning, msg::kPasswordMismatch);
        return false;
    }
    digest = store::password_digest(dialog.first().toStdString());
    return true;
}

}  // namespace core
