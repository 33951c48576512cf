#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "core/app_state.h"
#include "core/date_input_dialog.h"
#include "core/format.h"
#include "core/messages.h"
#include "core/password_input_dialog.h"
#include "core/target_disk_dialog.h"
#include "core/text_input_dialog.h"
#include "store/passwd.h"
#include "support/modal_driver.h"
#include "support/temp_dir.h"
#include "ui/scripted_prompter.h"

using testing_support::ModalDriver;

namespace {

template <typename T = QLineEdit>
T* find(QWidget* w, const char* name) {
    T* child = w->findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
}

QString text_of(QWidget* w, const char* name) { return find(w, name)->text(); }

// Shows a dialog as the active window so that focus moves as it does for a user.
void show_active(QWidget& w) {
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

void commit_text(QWidget* w, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(w, &event);
}

}  // namespace

TEST(DateInput, PresetShowsTheDateOrToday) {
    ui::ScriptedPrompter prompter;
    core::DateInputDialog dialog(prompter);
    const std::string today = palvor::today_text();

    dialog.preset("2004-3-15");  // nine characters: not a date
    EXPECT_EQ(text_of(&dialog, "EditYear"), QString::number(std::stoi(today.substr(0, 4))));
    EXPECT_EQ(text_of(&dialog, "EditMonth"), QString::number(std::stoi(today.substr(5, 2))));
    EXPECT_EQ(text_of(&dialog, "EditDay"), QString::number(std::stoi(today.substr(8, 2))));

    dialog.preset("2004-03-15");
    EXPECT_EQ(text_of(&dialog, "EditYear"), "2004");
    EXPECT_EQ(text_of(&dialog, "EditMonth"), "3");
    EXPECT_EQ(text_of(&dialog, "EditDay"), "15");
    EXPECT_EQ(dialog.windowTitle(), "日期输入");
    EXPECT_EQ(find<QLineEdit>(&dialog, "EditYear")->maxLength(), 4);
    EXPECT_EQ(find<QLineEdit>(&dialog, "EditMonth")->maxLength(), 2);
}

TEST(DateInput, ConfirmedUnchangedReturnsTheSameDate) {
    ui::ScriptedPrompter prompter;
    std::string date = "2004-03-15";
    ModalDriver driver([](QWidget* w) { find<QPushButton>(w, "ButtonOk")->click(); }, "TfrmDateInput");
    ASSERT_TRUE(core::input_date(prompter, date));
    EXPECT_TRUE(driver.fired());
    EXPECT_EQ(date, "2004-03-15");
    EXPECT_TRUE(prompter.messages.empty());

    ModalDriver cancel([](QWidget* w) { find<QPushButton>(w, "ButtonCancel")->click(); }, "TfrmDateInput");
    EXPECT_FALSE(core::input_date(prompter, date));
    EXPECT_EQ(date, "2004-03-15");
}

TEST(DateInput, LeavingAFieldChecksIt) {
    ui::ScriptedPrompter prompter;
    core::DateInputDialog dialog(prompter);
    dialog.preset("2004-03-15");
    show_active(dialog);
    auto* month = find(&dialog, "EditMonth");
    auto* day = find(&dialog, "EditDay");

    month->setFocus();
    month->setText("13");
    day->setFocus();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.last_text(), "数字输入无效！");
    EXPECT_EQ(prompter.last_caption(), "警告");
    EXPECT_EQ(prompter.messages.back().icon, ui::Icon::Warning);
    EXPECT_TRUE(month->hasFocus());

    // Moving to 取消 checks nothing.
    find<QPushButton>(&dialog, "ButtonCancel")->setFocus();
    EXPECT_EQ(prompter.messages.size(), 1u);

    month->setFocus();
    month->setText("");
    day->setFocus();
    EXPECT_EQ(prompter.last_text(), "数字输入有误！");
    EXPECT_TRUE(month->hasFocus());
    EXPECT_EQ(prompter.messages.size(), 2u);
}

TEST(DateInput, KeysAndConfirmation) {
    ui::ScriptedPrompter prompter;
    core::DateInputDialog dialog(prompter);
    dialog.preset("2004-03-15");
    show_active(dialog);
    auto* year = find(&dialog, "EditYear");
    auto* day = find(&dialog, "EditDay");

    year->setFocus();
    year->setText("");
    QTest::keyClicks(year, "2a0-0.5");
    EXPECT_EQ(year->text(), "2005");
    QTest::keyClick(year, Qt::Key_Return);
    EXPECT_TRUE(find(&dialog, "EditMonth")->hasFocus());
    QTest::keyClick(find(&dialog, "EditMonth"), Qt::Key_Return);
    EXPECT_TRUE(day->hasFocus());

    // Enter in the day presses 确定 without leaving the field: the day is still checked, and a
    // day past the month's end is no date.
    day->setText("45");
    QTest::keyClick(day, Qt::Key_Return);
    EXPECT_EQ(prompter.last_text(), "数字输入无效！");
    EXPECT_TRUE(dialog.isVisible());
    day->setText("30");
    find(&dialog, "EditMonth")->setText("2");
    QTest::keyClick(day, Qt::Key_Return);
    EXPECT_EQ(prompter.messages.size(), 2u);
    EXPECT_TRUE(dialog.isVisible());

    find(&dialog, "EditMonth")->setText("12");
    QTest::keyClick(day, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.date(), "2005-12-30");
}

TEST(TextInput, ModesFilterKeysAndTheTextComesBackAsTyped) {
    core::TextInputDialog dialog;
    dialog.preset("输入", "请输入起始凭证号：", "", 0);
    show_active(dialog);
    auto* edit = find(&dialog, "Edit_Value");
    EXPECT_EQ(dialog.windowTitle(), "输入");
    EXPECT_EQ(find<QLabel>(&dialog, "Echo_label")->text(), "请输入起始凭证号：");
    QTest::keyClicks(edit, "1a2.3");
    EXPECT_EQ(edit->text(), "123");
    commit_text(edit, "小区");  // an input method cannot slip text into a number field
    EXPECT_EQ(edit->text(), "123");

    dialog.preset("输入", "金额", "", 1);
    QTest::keyClicks(edit, "1a2.3.");
    EXPECT_EQ(edit->text(), "12.3.");

    dialog.preset("输入", "名称", "", 2);
    QTest::keyClicks(edit, "a b.");
    commit_text(edit, "小区");
    EXPECT_EQ(edit->text(), "a b.小区");

    std::string value = " 小区 ";
    ModalDriver driver([](QWidget* w) { QTest::keyClick(find(w, "Edit_Value"), Qt::Key_Return); }, "TDlgInput");
    ASSERT_TRUE(core::input_text("输入", "名称", value, 2));
    EXPECT_EQ(value, " 小区 ");
}

TEST(PasswordInput, TwoEntriesMustMatch) {
    ui::ScriptedPrompter prompter;
    auto type_and_confirm = [](const char* first, const char* second) {
        return [=](QWidget* w) {
            EXPECT_EQ(find(w, "Edit1")->echoMode(), QLineEdit::Password);
            EXPECT_EQ(find(w, "Edit1")->maxLength(), 15);
            find(w, "Edit1")->setText(first);
            find(w, "Edit2")->setText(second);
            find<QPushButton>(w, "ButtonOk")->click();
        };
    };
    int digest = -1;
    {
        ModalDriver driver(type_and_confirm("abc", "abd"), "TfrmInputPasswd");
        EXPECT_FALSE(core::input_password(prompter, digest));
    }
    EXPECT_EQ(digest, -1);
    EXPECT_EQ(prompter.last_text(), "密码输入错误:两次输入的密码不匹配!");
    EXPECT_EQ(prompter.last_caption(), "警告");
    {
        ModalDriver driver(type_and_confirm("abc", "abc"), "TfrmInputPasswd");
        EXPECT_TRUE(core::input_password(prompter, digest));
    }
    EXPECT_EQ(digest, 151040);
    EXPECT_EQ(prompter.messages.size(), 1u);
}

TEST(TargetDisk, ChosenFolderWithoutTrailingSeparatorAndWorkingDirectoryRestored) {
    testing_support::TempDir start, disk;
    core::AppState state;
    state.set_directories(start.str());
    state.xzcp_dir = "unchanged";
    QDir::setCurrent(QString::fromStdString(disk.str()));

    ModalDriver cancel([](QWidget* w) { find<QPushButton>(w, "ButtonQX")->click(); }, "TfrmXZCP");
    EXPECT_FALSE(core::choose_target_disk(state, disk.str()));
    EXPECT_EQ(state.xzcp_dir, "unchanged");
    EXPECT_EQ(QDir::currentPath().toStdString(), start.str());

    QDir::setCurrent(QString::fromStdString(disk.str()));
    std::string shown;
    ModalDriver ok(
        [&](QWidget* w) {
            shown = text_of(w, "EditXZCP").toStdString();
            find<QPushButton>(w, "ButtonQD")->click();
        },
        "TfrmXZCP");
    auto chosen = core::choose_target_disk(state, disk.str() + "/");
    ASSERT_TRUE(chosen);
    EXPECT_EQ(shown, disk.str());
    EXPECT_EQ(*chosen, disk.str());
    EXPECT_EQ(state.xzcp_dir, disk.str());
    EXPECT_EQ(QDir::currentPath().toStdString(), start.str());
}
