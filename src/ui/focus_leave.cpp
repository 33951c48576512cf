#include "ui/focus_leave.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace ui {
namespace {

bool g_returning = false;  // the focus is being put back after a failed check

}  // namespace

void on_focus_leave(QWidget* field, QWidget* cancel, std::function<bool()> check) {
    QPointer<QWidget> cancel_button(cancel);
    QObject::connect(qApp, &QApplication::focusChanged, field,
                     [field, cancel_button, check = std::move(check)](QWidget* old, QWidget* now) {
                         if (g_returning || old != field || now == nullptr) return;
                         if (now == cancel_button.data()) return;
                         if (now->window() != field->window() || !field->isVisible()) return;
                         if (check()) return;
                         return_focus(field);
                     });
}

void return_focus(QWidget* field) {
    const bool was = g_returning;
    g_returning = true;
    field->setFocus(Qt::OtherFocusReason);
    g_returning = was;
}

}  // namespace ui

