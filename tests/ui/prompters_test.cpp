#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <sstream>

#include "core/date_input_dialog.h"
#include "store/sqlite.h"
#include "support/modal_driver.h"
#include "support/temp_dir.h"
#include "ui/command_runner.h"
#include "ui/qt_prompter.h"
#include "ui/scripted_prompter.h"
#include "ui/terminal_prompter.h"

using testing_support::ModalDriver;

namespace {

QPushButton* button_with_text(QMessageBox* box, const QString& text) {
    for (QAbstractButton* b : box->buttons())
        if (b->text() == text) return qobject_cast<QPushButton*>(b);
    return nullptr;
}

}  // namespace

TEST(QtPrompter, MessageBoxWithCaptionIconAndChineseButtons) {
    ui::QtPrompter prompter;
    QString title, text, default_text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    ModalDriver driver([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        default_text = box->defaultButton() ? box->defaultButton()->text() : QString();
        ASSERT_NE(button_with_text(box, "否(&N)"), nullptr);
        button_with_text(box, "是(&Y)")->click();
    });
    EXPECT_TRUE(prompter.ask("确认", "确定要删除吗?", false, ui::Icon::Warning));
    EXPECT_TRUE(driver.fired());
    EXPECT_EQ(title, "确认");
    EXPECT_EQ(text, "确定要删除吗?");
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(default_text, "否(&N)");

    // Esc answers the question with what changes nothing.
    ModalDriver escape([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    EXPECT_FALSE(prompter.ask("确认", "覆盖吗?"));

    QString ok_text;
    ModalDriver inform([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ok_text = box->buttons().value(0)->text();
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        box->buttons().value(0)->click();
    });
    prompter.error("错误信息", "失败");
    EXPECT_EQ(ok_text, "确定");
}

TEST(QtPrompter, RefusalInAFocusCheckReturnsTheFocus) {
    // The real path: a message box opens while the focus is changing, and closes again.
    ui::QtPrompter prompter;
    core::DateInputDialog dialog(prompter);
    dialog.preset("2004-03-15");
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    auto* month = dialog.findChild<QLineEdit*>("EditMonth");
    auto* day = dialog.findChild<QLineEdit*>("EditDay");
    month->setFocus();
    month->setText("13");
    QString shown;
    int boxes = 0;
    ModalDriver driver([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        ++boxes;
        shown = box->windowTitle() + ":" + box->text();
        box->buttons().value(0)->click();
    });
    day->setFocus();
    QTest::qWait(50);
    EXPECT_EQ(shown, "警告:数字输入无效！");
    EXPECT_EQ(boxes, 1);
    // The box took the activation away; when the dialog has it back, the month has the focus.
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_TRUE(month->hasFocus());
    EXPECT_EQ(boxes, 1);
}

TEST(QtPrompter, DelphiStyleFiltersBecomeQtFilters) {
    EXPECT_EQ(ui::file_filter_text("ARJ压缩文件|*.arj|DBF数据库文件|*.dbf"), "ARJ压缩文件 (*.arj);;DBF数据库文件 (*.dbf)");
    EXPECT_EQ(ui::file_filter_text("住房公积金备份数据|palvorbak.d??"), "住房公积金备份数据 (palvorbak.d?\?)");
    EXPECT_EQ(ui::file_filter_text("小区信息文件 (*_xqxx.arj *_xqxx.dbf)"), "小区信息文件 (*_xqxx.arj *_xqxx.dbf)");
}

TEST(TerminalPrompter, SaysYesOnlyWhenTold) {
    std::ostringstream out;
    ui::TerminalPrompter cautious(false, out);
    EXPECT_FALSE(cautious.ask("确认", "确定要退出系统吗?"));
    EXPECT_EQ(cautious.message({"提问", "继续?", ui::Icon::Question, ui::OkCancel, ui::Button::Ok}), ui::Button::Cancel);
    cautious.inform("提示", "完成");
    std::string value = "x";
    EXPECT_FALSE(cautious.input_text("输入", "凭证号", value, 0));
    EXPECT_EQ(value, "x");
    EXPECT_FALSE(cautious.choose_directory(""));
    const std::string text = out.str();
    EXPECT_NE(text.find("确认: 确定要退出系统吗?"), std::string::npos) << text;
    EXPECT_NE(text.find("提示: 完成\n"), std::string::npos) << text;

    std::ostringstream out2;
    ui::TerminalPrompter bold(true, out2);
    EXPECT_TRUE(bold.ask("确认", "确定要退出系统吗?", false));
}

TEST(RunCommand, ShowsTheErrorAndTheChangeIsRolledBack) {
    testing_support::TempDir dir;
    store::Database db((dir / "t.sqlite3").string());
    db.exec("CREATE TABLE t (a INTEGER)");
    ui::ScriptedPrompter prompter;

    EXPECT_FALSE(ui::run_command(prompter, [&] {
        store::Transaction tx(db);
        db.exec("INSERT INTO t VALUES (1)");
        throw palvor::Error("小区编号重复！");
    }));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.last_caption(), "错误信息");
    EXPECT_EQ(prompter.last_text(), "小区编号重复！");
    EXPECT_EQ(prompter.messages.back().icon, ui::Icon::Error);
    EXPECT_EQ(db.scalar_int("SELECT count(*) FROM t"), 0);

    EXPECT_FALSE(ui::run_command(prompter, [&] { db.exec("INSERT INTO missing VALUES (1)"); }));
    EXPECT_NE(prompter.last_text().find("missing"), std::string::npos) << prompter.last_text();

    EXPECT_FALSE(ui::run_command(prompter, [] { throw std::runtime_error("boom"); }));
    EXPECT_EQ(prompter.last_text(), "程序内部错误：boom");

    EXPECT_TRUE(ui::run_command(prompter, [&] { db.exec("INSERT INTO t VALUES (2)"); }));
    EXPECT_EQ(prompter.messages.size(), 3u);
    EXPECT_EQ(db.scalar_int("SELECT count(*) FROM t"), 1);
}

TEST(RunCommand, RealMessageBoxOverTheWindow) {
    QWidget window;
    window.show();
    QString text;
    ModalDriver driver([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        text = box->windowTitle() + ":" + box->text();
        box->buttons().value(0)->click();
    });
    EXPECT_FALSE(ui::run_command(&window, [] { throw palvor::Error("磁盘已满"); }));
    EXPECT_EQ(text, "错误信息:磁盘已满");
    EXPECT_TRUE(window.isVisible());
}
