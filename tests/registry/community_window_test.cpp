#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "core/main_window.h"
#include "registry/community_report.h"
#include "registry/community_window.h"
#include "support/data_root_fixture.h"
#include "support/modal_driver.h"
#include "ui/grid_model.h"
#include "ui/progress.h"

using registry::CommunityEditDialog;
using registry::CommunityWindow;
using testing_support::DataRoot;

namespace {

template <class T>
T* child(QWidget* w, const char* name) {
    T* c = w->findChild<T*>(name);
    EXPECT_NE(c, nullptr) << name;
    return c;
}

void click(QWidget* w, const char* name) { child<QPushButton>(w, name)->click(); }
void type(QWidget* w, const char* name, const std::string& text) {
    child<QLineEdit>(w, name)->setText(QString::fromStdString(text));
}
std::string text(QWidget* w, const char* name) { return child<QLineEdit>(w, name)->text().toStdString(); }

struct Fixture {
    DataRoot root;
    ui::NoProgress progress;
    std::unique_ptr<CommunityWindow> window;

    explicit Fixture(int communities = 0) {
        for (int i = 1; i <= communities; ++i)
            root.db.prepare("INSERT INTO jbxx_xqxxk (xqbh, xqmc, xqdz, dwdjh) VALUES (?1, ?2, '', '000001')")
                .bind(1, i)
                .bind(2, "小区" + std::to_string(i))
                .run();
        window = std::make_unique<CommunityWindow>(root.state, root.db, root.prompter, nullptr, &progress);
    }
    // The add/modify window is driven by `script`, called once per showing.
    void edit_with(std::function<void(CommunityEditDialog&, int showing)> script) {
        window->set_edit_runner([script, n = 0](CommunityEditDialog& d) mutable { script(d, ++n); });
    }
    long long current() { return window->list().current_integer("xqbh"); }
    std::string address(int xqbh) {
        auto st = root.db.prepare("SELECT xqdz FROM jbxx_xqxxk WHERE xqbh = ?1");
        st.bind(1, xqbh);
        return st.step() ? st.text(0) : "(none)";
    }
};

}  // namespace

TEST(CommunityWindow, AddSeriesProposesNumbersAndRefusesDuplicates) {
    Fixture f;
    EXPECT_FALSE(child<QPushButton>(f.window.get(), "ButtonModify")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(f.window.get(), "ButtonDelete")->isEnabled());
    std::vector<std::string> proposals;
    f.edit_with([&](CommunityEditDialog& d, int) {
        for (const char* name : {"阳光小区", "  幸福家园 ", "阳光小区", ""}) {
            proposals.push_back(text(&d, "EditXQBH"));
            type(&d, "EditXQMC", name);
            type(&d, "EditXQDD", "中山路");
            click(&d, "ButtonSave");
        }
        click(&d, "ButtonCancel");
    });
    click(f.window.get(), "ButtonInsert");
    EXPECT_EQ(proposals, (std::vector<std::string>{"1", "2", "3", "3"}));
    EXPECT_EQ(f.root.prompter.texts(), (std::vector<std::string>{"小区名称重复！请重新录入！", "小区名称不能为空！"}));
    EXPECT_EQ(f.root.prompter.last_caption(), "警告");
    EXPECT_EQ(f.root.db.scalar_int("SELECT count(*) FROM jbxx_xqxxk WHERE xqmc IN ('阳光小区', '幸福家园')"), 2);
    EXPECT_EQ(text(f.window.get(), "EditZJL"), "2");
    EXPECT_EQ(f.current(), 2);  // the last community added
    EXPECT_TRUE(child<QPushButton>(f.window.get(), "ButtonModify")->isEnabled());
}

TEST(CommunityWindow, ModifyWalkStopsAtCancelOnTheThirdRow) {
    Fixture f(5);
    std::vector<std::string> shown;
    f.edit_with([&](CommunityEditDialog& d, int showing) {
        shown.push_back(text(&d, "EditXQBH"));
        EXPECT_FALSE(child<QLineEdit>(&d, "EditXQBH")->isEnabled());
        if (showing == 3) return click(&d, "ButtonCancel");
        type(&d, "EditXQDD", "新地址");
        click(&d, "ButtonSave");
    });
    click(f.window.get(), "ButtonModify");
    EXPECT_EQ(shown, (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(f.address(1), "新地址");
    EXPECT_EQ(f.address(2), "新地址");
    EXPECT_EQ(f.address(3), "");
    EXPECT_EQ(f.current(), 3);
}

TEST(CommunityWindow, ModifyWalkWithSaveVisitsEveryRowFromTheCurrentOnce) {
    Fixture f(4);
    f.window->list().set_current_row(1);
    std::vector<std::string> shown;
    f.edit_with([&](CommunityEditDialog& d, int) {
        shown.push_back(text(&d, "EditXQBH"));
        click(&d, "ButtonSave");
    });
    click(f.window.get(), "ButtonModify");
    EXPECT_EQ(shown, (std::vector<std::string>{"2", "3", "4"}));
}

TEST(CommunityWindow, DeletePositionsOnTheNextOrPreviousRow) {
    Fixture f(3);
    f.root.prompter.answer(ui::Button::No);
    click(f.window.get(), "ButtonDelete");
    EXPECT_EQ(f.root.db.scalar_int("SELECT count(*) FROM jbxx_xqxxk"), 3);
    EXPECT_EQ(f.root.prompter.last_text(), "确定要删除编号为“1”的小区信息吗？");
    EXPECT_EQ(f.root.prompter.last_caption(), "删除提示");

    f.window->list().set_current_row(1);  // middle row: the next one follows
    f.root.prompter.answer(ui::Button::Yes);
    click(f.window.get(), "ButtonDelete");
    EXPECT_EQ(f.current(), 3);
    f.root.prompter.answer(ui::Button::Yes);  // last row: the previous one follows
    click(f.window.get(), "ButtonDelete");
    EXPECT_EQ(f.current(), 1);
    f.root.prompter.answer(ui::Button::Yes);  // the only row
    click(f.window.get(), "ButtonDelete");
    EXPECT_EQ(text(f.window.get(), "EditZJL"), "0");
    EXPECT_FALSE(child<QPushButton>(f.window.get(), "ButtonDelete")->isEnabled());
}

TEST(CommunityWindow, CommunityWithBuildingsIsKept) {
    Fixture f(2);
    f.root.db.exec("INSERT INTO jbxx_zxxk (zbh, zmc, xqbh) VALUES (1, '1幢', 1)");
    f.root.prompter.answer(ui::Button::Yes);
    click(f.window.get(), "ButtonDelete");
    EXPECT_EQ(f.root.prompter.last_text(), "该小区名称下有幢信息，不能删除！");
    EXPECT_EQ(f.root.db.scalar_int("SELECT count(*) FROM jbxx_xqxxk"), 2);
}

TEST(CommunityWindow, SearchUsesTheSortKey) {
    Fixture f(5);
    f.root.prompter.answer_text("");
    click(f.window.get(), "ButtonSearch");
    EXPECT_EQ(f.root.prompter.last_text(), "输入有误：小区编号必须是数值！");
    EXPECT_EQ(f.root.prompter.messages.back().icon, ui::Icon::Error);
    f.root.prompter.answer_text("9");
    click(f.window.get(), "ButtonSearch");
    EXPECT_EQ(f.root.prompter.last_text(), "查无此编号!");
    EXPECT_EQ(f.current(), 1);
    child<QComboBox>(f.window.get(), "ComboBoxIndex")->setCurrentIndex(2);  // 小区名称
    f.root.prompter.answer_text("小区4");
    click(f.window.get(), "ButtonSearch");
    EXPECT_EQ(f.current(), 4);
    EXPECT_EQ(f.root.prompter.messages.size(), 2u);
}

TEST(CommunityWindow, NameOrderIsPinyin) {
    Fixture f;
    f.root.db.exec("INSERT INTO jbxx_xqxxk (xqbh, xqmc) VALUES (1, '张家花园'), (2, '安居苑'), (3, '博雅园')");
    child<QComboBox>(f.window.get(), "ComboBoxIndex")->setCurrentIndex(2);
    auto& list = f.window->list();
    EXPECT_EQ(list.text(0, "xqmc") + list.text(1, "xqmc") + list.text(2, "xqmc"), "安居苑博雅园张家花园");
}

TEST(CommunityWindow, WorkMenusAreOffWhileOpen) {
    DataRoot root;
    core::MainWindow main(root.state, root.db, root.prompter);
    auto* w = new CommunityWindow(root.state, root.db, root.prompter, &main);
    EXPECT_FALSE(main.menu_item("MItemCSH_XQXX")->isEnabled());
    EXPECT_FALSE(main.menu_item("MItemYWCL")->isEnabled());
    EXPECT_TRUE(main.menu_item("MItemBZ")->isEnabled());
    w->close();
    delete w;
    EXPECT_TRUE(main.menu_item("MItemCSH_XQXX")->isEnabled());
}

TEST(CommunityReport, ThirtyThreeRowsMakeTwoPages) {
    DataRoot root;
    core::load_unit_identity(root.state, root.db);
    for (int i = 1; i <= 33; ++i)
        root.db.prepare("INSERT INTO jbxx_xqxxk (xqbh, xqmc, xqdz) VALUES (?1, ?2, '地址')").bind(1, i).bind(2, "小区" + std::to_string(i)).run();
    auto doc = registry::make_community_report(root.db, root.state, registry::CommunitySort::ByNumber)->build();
    ASSERT_EQ(doc->page_count(), 2);
    for (const auto& page : doc->pages) {
        EXPECT_TRUE(page.contains(QString::fromUtf8("共2页")));
        EXPECT_TRUE(page.contains(QString::fromUtf8("小  区  信  息  表")));
        EXPECT_TRUE(page.contains(QString::fromUtf8("单位登记号：000001")));
        EXPECT_TRUE(page.contains(QString::fromUtf8("总记录数：33")));
    }
    EXPECT_TRUE(doc->pages[0].contains(QString::fromUtf8("小区32")));
    EXPECT_FALSE(doc->pages[0].contains(QString::fromUtf8("小区33")));
    EXPECT_TRUE(doc->pages[1].contains(QString::fromUtf8("第2页")));
    EXPECT_TRUE(doc->pages[1].contains(QString::fromUtf8("33")));
}

TEST(CommunityWindow, TheRealAddWindowSavesAndCancels) {
    Fixture f;
    f.window->set_edit_runner([](CommunityEditDialog& d) { d.exec(); });
    f.window->show();
    testing_support::ModalDriver driver(
        [](QWidget* d) {
            type(d, "EditXQMC", "明珠花园");
            click(d, "ButtonSave");
            click(d, "ButtonCancel");
        },
        "TfrmXQXXLR_ZJXG");
    click(f.window.get(), "ButtonInsert");
    EXPECT_TRUE(driver.fired());
    EXPECT_FALSE(driver.timed_out());
    EXPECT_EQ(f.root.db.scalar_int("SELECT count(*) FROM jbxx_xqxxk WHERE xqbh = 1 AND xqmc = '明珠花园'"), 1);
}
