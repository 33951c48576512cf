#pragma once
// Key filtering for entry fields: the shared key rules (core/text_helpers.h) see a key as the
// typed character's code, 13 for Enter or 8 for Backspace. Keys that type nothing (arrows,
// Delete, Home, shortcuts) are never filtered, so editing stays possible.
#include <functional>
#include <string>

class QKeyEvent;
class QLineEdit;

namespace ui {

// 13 for Enter/Return, 8 for Backspace, the code point of the typed text, 0 for keys that type nothing.
int key_code(const QKeyEvent& event);

// Filters what is typed into `edit`: a key for which accept(current text, key) is false is
// discarded; text committed by an input method is checked character by character. When
// `on_enter` is given, Enter runs it instead of reaching the edit.
void install_key_filter(QLineEdit* edit, std::function<bool(const std::string& text, int key)> accept,
                        std::function<void()> on_enter = {});

}  // namespace ui
