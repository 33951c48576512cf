#include "ui/dialog_buttons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace ui {

QPushButton* make_button(QWidget* parent, const char* object_name, const char* caption) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(object_name);
    return b;
}

ButtonRow ok_cancel_row(QDialog* dialog, const char* ok_name, const char* ok_caption, const char* cancel_name,
                        const char* cancel_caption, bool ok_accepts) {
    ButtonRow row{make_button(dialog, ok_name, ok_caption), make_button(dialog, cancel_name, cancel_caption),
                  new QHBoxLayout};
    row.ok->setDefault(true);
    if (ok_accepts) QObject::connect(row.ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(row.cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    row.layout->addStretch();
    row.layout->addWidget(row.ok);
    row.layout->addWidget(row.cancel);
    return row;
}

}  // namespace ui
