#include "ui/command_runner.h"

#include <QApplication>

#include <exception>
#include <new>
#include <string>

#include "store/errors.h"
#include "ui/messages.h"
#include "ui/prompter.h"
#include "ui/qt_prompter.h"
#include "ui/captions.h"

namespace ui {

bool run_command(Prompter& prompter, const std::function<void()>& command) {
    std::string text;
    try {
        command();
        return true;
    } catch (const palvor::Error& e) {  // our own refusals and store::DbError: already in words for the user
        text = e.what();
    } catch (const std::exception& e) {
        text = std::string(msg::kInternalError) + e.what();
    } catch (...) {
        text = msg::kUnknownError;
    }
    prompter.error(ui::caption::kError, text);
    return false;
}

bool run_command(QWidget* window, const std::function<void()>& command) {
    QtPrompter prompter(window);
    return run_command(prompter, [&] {
        try {
            command();
        } catch (...) {
            while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
            throw;
        }
    });
}

}  // namespace ui
