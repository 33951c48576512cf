#pragma once
// Buttons of the program's windows: named (objectName) buttons and the right-aligned
// 确定/取消 row of a dialog.
class QDialog;
class QHBoxLayout;
class QPushButton;
class QWidget;

namespace ui {

QPushButton* make_button(QWidget* parent, const char* object_name, const char* caption);

struct ButtonRow {
    QPushButton* ok;
    QPushButton* cancel;
    QHBoxLayout* layout;  // stretch, ok, cancel
};

// The OK button is the default and accepts the dialog unless `ok_accepts` is false (the caller
// checks first); the cancel button rejects it.
ButtonRow ok_cancel_row(QDialog* dialog, const char* ok_name, const char* ok_caption, const char* cancel_name,
                        const char* cancel_caption, bool ok_accepts = true);

}  // namespace ui
