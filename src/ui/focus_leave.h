#pragma once
// Checks that run when the focus leaves an entry field. They are skipped while the focus moves to
// the window's cancel button or out of the window (a message box, another program); a failed
// check puts the focus back into the field, and that return triggers no check of its own.
#include <functional>

class QWidget;

namespace ui {

// `check` returns false after it has told the user what is wrong.
void on_focus_leave(QWidget* field, QWidget* cancel, std::function<bool()> check);
// Puts the focus into `field` after a refusal, without running the check of the field it leaves.
void return_focus(QWidget* field);

}  // namespace ui
