#pragma once
// "关于本软件".
#include <QDialog>

namespace core {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace core
