#include "ui/qt_prompter.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "core/app_state.h"
#include "core/date_input_dialog.h"
#include "core/password_input_dialog.h"
#include "core/target_disk_dialog.h"
#include "core/text_input_dialog.h"
#include "ui/messages.h"

namespace ui {
namespace {

QMessageBox::Icon box_icon(Icon icon) {
    switch (icon) {
        case Icon::Information: return QMessageBox::Information;
        case Icon::Warning: return QMessageBox::Warning;
        case Icon::Error: return QMessageBox::Critical;
        case Icon::Question: return QMessageBox::Question;
        case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonInfo {
    Button button;
    QMessageBox::StandardButton standard;
    const char* text;
};

const ButtonInfo kButtons[] = {
    {Button::Yes, QMessageBox::Yes, msg::kButtonYes},
    {Button::No, QMessageBox::No, msg::kButtonNo},
    {Button::Ok, QMessageBox::Ok, msg::kButtonOk},
    {Button::Cancel, QMessageBox::Cancel, msg::kButtonCancel},
};

// The working directory as it was, put back when a chooser that browsed has closed.
class KeepWorkingDirectory {
public:
    KeepWorkingDirectory() : dir_(QDir::currentPath()) {}
    ~KeepWorkingDirectory() { QDir::setCurrent(dir_); }

private:
    QString dir_;
};

}  // namespace

QString file_filter_text(const std::string& filter) {
    const QString f = QString::fromStdString(filter);
    if (!f.contains(QLatin1Char('|'))) return f;
    const QStringList parts = f.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

QtPrompter::QtPrompter(QWidget* parent, core::AppState* state) : parent_(parent), state_(state) {}

QWidget* QtPrompter::parent_widget() const { return parent_ ? parent_.data() : QApplication::activeWindow(); }

Button QtPrompter::message(const Message& m) {
    QMessageBox box(box_icon(m.icon), QString::fromStdString(m.caption), QString::fromStdString(m.text),
                    QMessageBox::NoButton, parent_widget());
    Buttons wanted = m.buttons ? m.buttons : OkOnly;
    QAbstractButton* escape = nullptr;
    for (const auto& b : kButtons) {
        if (!(wanted & int(b.button))) continue;
        QPushButton* pb = box.addButton(b.standard);
        pb->setText(QString::fromUtf8(b.text));
        if (b.button == m.default_button) box.setDefaultButton(pb);
        // Esc and the close box mean the answer that changes nothing.
        if (b.button == Button::No || b.button == Button::Cancel || (!escape && b.button == Button::Ok)) escape = pb;
    }
    if (escape) box.setEscapeButton(escape);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    for (const auto& b : kButtons)
        if (clicked && clicked == box.button(b.standard)) return b.button;
    if (wanted & int(Button::No)) return Button::No;
    if (wanted & int(Button::Cancel)) return Button::Cancel;
    return Button::Ok;
}

bool QtPrompter::input_text(const std::string& caption, const std::string& prompt, std::string& value, int mode) {
    return core::input_text(caption, prompt, value, mode, parent_widget());
}

bool QtPrompter::input_date(std::string& date) { return core::input_date(*this, date, parent_widget()); }

bool QtPrompter::input_password(int& digest) { return core::input_password(*this, digest, parent_widget()); }

std::optional<std::string> QtPrompter::choose_file(const FileChoice& choice) {
    KeepWorkingDirectory keep;
    QFileDialog dialog(parent_widget(), QString::fromStdString(choice.title), QString::fromStdString(choice.initial_dir),
                       file_filter_text(choice.filter));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    QString suffix = QString::fromStdString(choice.default_extension);
    while (suffix.startsWith(QLatin1Char('*')) || suffix.startsWith(QLatin1Char('.'))) suffix.remove(0, 1);
    if (!suffix.isEmpty()) dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

std::optional<std::string> QtPrompter::choose_directory(const std::string& initial_dir) {
    // The dialog itself puts the working directory back to start_dir when it closes.
    if (state_) return core::choose_target_disk(*state_, initial_dir, parent_widget());
    core::AppState scratch;
    scratch.set_directories(QDir::currentPath().toStdString());
    return core::choose_target_disk(scratch, initial_dir, parent_widget());
}

}  // namespace ui
