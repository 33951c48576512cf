#include "core/about_box.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace core {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("TfrmAbout");
    setWindowTitle(QString::fromUtf8("关于本软件"));
    auto* layout = new QVBoxLayout(this);
    auto line = [&](const char* text, bool big = false) {
        auto* l = new QLabel(QString::fromUtf8(text), this);
        l->setAlignment(Qt::AlignCenter);
        if (big) {
            QFont f = l->font();
            f.setPointSize(f.pointSize() + 4);
            f.setBold(true);
            l->setFont(f);
        }
        layout->addWidget(l);
    };
    line("公共维修基金管理系统", true);
    line("单位版B V1.03");
    line("用于缴存单位管理小区、幢、户、账户及缴存、支取、转存业务");
    line("并与住房资金管理中心交换数据");
    layout->addSpacing(12);
    auto* ok = new QPushButton(QString::fromUtf8("确定(&O)"), this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignCenter);
    setFixedSize(sizeHint());
}

}  // namespace core
