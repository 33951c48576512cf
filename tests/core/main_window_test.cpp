#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "core/main_window.h"
#include "core/startup.h"
#include "support/data_root_fixture.h"

using testing_support::DataRoot;

namespace {

struct Frame {
    DataRoot root{false};
    std::unique_ptr<core::MainWindow> window;
    explicit Frame(std::initializer_list<core::Credentials> list) {
        std::vector<core::Credentials> attempts(list);
        core::prepare_tables(root.state, root.db, root.prompter);
        window = std::make_unique<core::MainWindow>(root.state, root.db, root.prompter);
        window->set_credential_source([attempts, i = std::size_t(0)](core::Credentials& c) mutable {
            if (i >= attempts.size()) return false;
            c = attempts[i++];
            return true;
        });
        window->show();
        window->run_startup();
    }
};

}  // namespace

TEST(MainWindow, MenuTreeAndTitle) {
    Frame f({{"USER", ""}});
    EXPECT_EQ(f.window->windowTitle().toStdString(), "Palvor - 单位版B V1.03");
    std::vector<std::string> top;
    for (QAction* a : f.window->menuBar()->actions()) top.push_back(a->text().toStdString());
    EXPECT_EQ(top, (std::vector<std::string>{"基本信息", "业务处理", "查询统计", "固定报表", "系统维护", "帮助", "退出"}));
    std::vector<std::string> items;
    for (QAction* a : f.window->menu_item("MItemCSH")->menu()->actions())
        items.push_back(a->isSeparator() ? "-" : a->text().toStdString());
    EXPECT_EQ(items, (std::vector<std::string>{"单位登记信息", "单位开户信息", "小区信息管理", "幢信息管理", "户信息管理",
                                               "账户信息管理", "-", "接收所有下载信息"}));
    for (const char* name : {"MItemYWCL_JSYWLS", "MItemGDBB_ZCQC", "MItemXTWH_QXSZ", "MItemXTWH_SJBF1", "MItemXTWH_SJHF1",
                             "MItemXTWH_Windwos98", "MItemXTWH_Windwos2000", "MItemXTWH_WindwosXP", "MItemXTWH_BBSJ",
                             "MItemBZ_GYBRJ", "MItemTC"})
        EXPECT_NE(f.window->menu_item(name), nullptr) << name;
}

TEST(MainWindow, DataMaintenanceOnlyForSystem) {
    Frame user({{"USER", ""}});
    ASSERT_TRUE(user.window->startup_done());
    EXPECT_FALSE(user.window->menu_item("MItemXTWH_SJWH")->isVisible());
    Frame system({{"SYSTEM", ""}});
    ASSERT_TRUE(system.window->startup_done());
    EXPECT_TRUE(system.window->menu_item("MItemXTWH_SJWH")->isVisible());
    EXPECT_TRUE(system.window->menu_item("MItemXTWH_SJWH")->isEnabled());
}

TEST(MainWindow, ExitAsksAndNoKeepsTheProgramRunning) {
    Frame f({{"USER", ""}});
    f.root.prompter.answer(ui::Button::No);
    EXPECT_FALSE(f.window->close());
    EXPECT_TRUE(f.window->isVisible());
    EXPECT_EQ(f.root.prompter.last_text(), "确定要退出系统吗?");
    EXPECT_EQ(f.root.prompter.messages.back().default_button, ui::Button::No);
    f.root.prompter.answer(ui::Button::Yes);
    EXPECT_TRUE(f.window->close());
}

TEST(MainWindow, ThreeWrongPasswordsEndTheProgramWithoutAQuestion) {
    Frame f({{"USER", "1"}, {"USER", "2"}, {"USER", "3"}, {"USER", ""}});
    EXPECT_FALSE(f.window->startup_done());
    EXPECT_FALSE(f.window->isVisible());
    EXPECT_EQ(f.root.prompter.texts(), (std::vector<std::string>(3, "登录失败!")));
    EXPECT_FALSE(f.root.state.confirm_exit);
}

TEST(MainWindow, WorkMenusAreSwitchedOffAndBackOnByActivation) {
    Frame f({{"USER", ""}});
    f.window->set_work_menus_enabled(false);
    EXPECT_FALSE(f.window->menu_item("MItemCSH_XQXX")->isEnabled());
    EXPECT_FALSE(f.window->menu_item("MItemYWCL")->isEnabled());
    EXPECT_TRUE(f.window->menu_item("MItemBZ")->isEnabled());
    f.window->apply_title_and_menus();
    EXPECT_TRUE(f.window->menu_item("MItemCSH_XQXX")->isEnabled());
    EXPECT_TRUE(f.window->menu_item("MItemYWCL")->isEnabled());
}

TEST(MainWindow, CommandWithoutWindowSaysSo) {
    Frame f({{"USER", ""}});
    f.window->menu_item("MItemGDBB_JCQC")->trigger();
    EXPECT_EQ(f.root.prompter.last_text(), "本功能在当前版本中尚未提供。");
}
