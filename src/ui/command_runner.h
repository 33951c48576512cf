#pragma once
// The default error report: a command that throws shows its error in a message box ("错误信息",
// error icon) and ends; the window stays open. Services change data inside store::Transaction
// scope objects, so the unwinding has already rolled the change back when the box shows.
#include <functional>

class QWidget;

namespace ui {

class Prompter;

// Runs `command`; true when it ran through, false after its error has been shown.
bool run_command(Prompter& prompter, const std::function<void()>& command);
// The same with message boxes over `window`; a wait cursor the command left behind is cleared.
bool run_command(QWidget* window, const std::function<void()>& command);

}  // namespace ui
