#include "registry/community_edit_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/text_helpers.h"
#include "registry/community_registry.h"
#include "registry/messages.h"
#include "ui/dialog_buttons.h"
#include "ui/key_filter.h"
#include "ui/prompter.h"
#include "ui/captions.h"

namespace registry {

CommunityEditDialog::CommunityEditDialog(CommunityRegistry& registry, ui::Prompter& prompter, CommunityEditState& state,
                                         QWidget* parent)
    : QDialog(parent), registry_(registry), prompter_(prompter), state_(state) {
    setObjectName("TfrmXQXXLR_ZJXG");
    setWindowTitle(QString::fromUtf8("增加修改小区信息窗口"));
    number_ = new QLineEdit(this);
    number_->setObjectName("EditXQBH");
    number_->setMaxLength(8);
    ui::install_key_filter(number_, [](const std::string&, int key) { return core::is_digit_key(key); });
    name_ = new QLineEdit(this);
    name_->setObjectName("EditXQMC");
    name_->setMaxLength(60);
    address_ = new QLineEdit(this);
    address_->setObjectName("EditXQDD");
    address_->setMaxLength(100);
    name_->setMinimumWidth(360);

    auto* form = new QFormLayout;
    form->addRow(QString::fromUtf8("小区编号："), number_);
    form->addRow(QString::fromUtf8("小区名称："), name_);
    form->addRow(QString::fromUtf8("小区地址："), address_);

    auto* save = ui::make_button(this, "ButtonSave", "保存");
    save->setAutoDefault(false);
    auto* cancel = ui::make_button(this, "ButtonCancel", "取消");
    cancel->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, &CommunityEditDialog::save);
    connect(cancel, &QPushButton::clicked, this, &CommunityEditDialog::cancel);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

void CommunityEditDialog::prepare_add(long long proposal) {
    number_->setEnabled(true);
    number_->setText(QString::number(proposal));
    name_->clear();
    address_->clear();
    number_->setFocus();
}

void CommunityEditDialog::prepare_modify(long long xqbh, const std::string& name, const std::string& address) {
    number_->setEnabled(false);
    number_->setText(QString::number(xqbh));
    name_->setText(QString::fromStdString(name));
    address_->setText(QString::fromStdString(address));
    name_->setFocus();
}

void CommunityEditDialog::save() {
    std::string name = name_->text().toStdString();
    std::string address = address_->text().toStdString();
    std::optional<Refusal> refused;
    if (state_.mode == 1) {
        std::string number = number_->text().toStdString();
        refused = registry_.add(number, name, address);
        name_->setText(QString::fromStdString(name));
        if (!refused) {
            // Ready for the next community of the series.
            state_.xqbh = *parse_integer(number);
            prepare_add(registry_.next_number());
            return;
        }
    } else {
        refused = registry_.modify(state_.xqbh, state_.old_xqmc, name, address);
        name_->setText(QString::fromStdString(name));
        if (!refused) {
            accept();
            return;
        }
    }
    prompter_.warn(ui::caption::kWarning, refused->message);
    (refused->field == Refusal::Number ? number_ : name_)->setFocus();
}

void CommunityEditDialog::cancel() {
    state_.go_on = 0;
    reject();
}

}  // namespace registry
