#include "core/text_input_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/text_helpers.h"
#include "ui/key_filter.h"

namespace core {

TextInputDialog::TextInputDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("TDlgInput");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    prompt_ = new QLabel(this);
    prompt_->setObjectName("Echo_label");
    prompt_->setWordWrap(true);
    prompt_->setFixedWidth(320);
    edit_ = new QLineEdit(this);
    edit_->setObjectName("Edit_Value");
    ok_ = new QPushButton(QString::fromUtf8("确定"), this);
    ok_->setObjectName("OKBtn");
    ok_->setDefault(true);
    auto* cancel = new QPushButton(QString::fromUtf8("取消"), this);
    cancel->setObjectName("CancelBtn");
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    ui::install_key_filter(
        edit_,
        [this](const std::string&, int key) {
            const bool digit = (key >= '0' && key <= '9') || key == kKeyBackspace;
            if (mode_ == 0) return digit;
            if (mode_ == 1) return digit || key == '.';
            return true;
        },
        [this] { ok_->click(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt_);
    layout->addWidget(edit_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TextInputDialog::preset(const std::string& caption, const std::string& prompt, const std::string& value,
                             int mode) {
    setWindowTitle(QString::fromStdString(caption));
    prompt_->setText(QString::fromStdString(prompt));
    edit_->setText(QString::fromStdString(value));
    mode_ = mode;
    // Number fields take no input-method text.
    edit_->setAttribute(Qt::WA_InputMethodEnabled, mode != 0 && mode != 1);
    edit_->setFocus();
    edit_->selectAll();
}

std::string TextInputDialog::value() const { return edit_->text().toStdString(); }

bool input_text(const std::string& caption, const std::string& prompt, std::string& value, int mode,
                QWidget* parent) {
    TextInputDialog dialog(parent);
    dialog.preset(caption, prompt, value, mode);
    if (dialog.exec() != QDialog::Accepted) return false;
    value = dialog.value();
    return true;
}

}  // namespace core
