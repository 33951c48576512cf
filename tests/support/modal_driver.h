#pragma once
// Drives a real modal dialog from a test: a short timer polls QApplication::activeModalWidget()
// until a modal widget (optionally with a given objectName) is up, then runs the action on it.
// Past the deadline the driver gives up and rejects whatever modal widget is up, so a test fails
// instead of hanging.
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>

class QWidget;

namespace testing_support {

class ModalDriver {
public:
    // Arms the driver; start the modal dialog after this.
    explicit ModalDriver(std::function<void(QWidget*)> action, QString object_name = {}, int deadline_ms = 10000);
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    bool fired() const { return fired_; }
    bool timed_out() const { return timed_out_; }

private:
    void poll();

    std::function<void(QWidget*)> action_;
    QString object_name_;
    QTimer timer_;
    qint64 deadline_;
    bool fired_ = false;
    bool timed_out_ = false;
};

}  // namespace testing_support
