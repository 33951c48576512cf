#include "support/modal_driver.h"

#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QWidget>

namespace testing_support {

ModalDriver::ModalDriver(std::function<void(QWidget*)> action, QString object_name, int deadline_ms)
    : action_(std::move(action)),
      object_name_(std::move(object_name)),
      deadline_(QDateTime::currentMSecsSinceEpoch() + deadline_ms) {
    timer_.setInterval(20);
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    timer_.start();
}

ModalDriver::~ModalDriver() { timer_.stop(); }

void ModalDriver::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    const bool wanted = modal && modal->isVisible() && (object_name_.isEmpty() || modal->objectName() == object_name_);
    if (wanted) {
        timer_.stop();
        fired_ = true;
        action_(modal);
        return;
    }
    if (QDateTime::currentMSecsSinceEpoch() > deadline_) {
        timer_.stop();
        timed_out_ = true;
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        else if (modal) modal->close();
    }
}

}  // namespace testing_support
