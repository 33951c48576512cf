#include "core/main_window.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QStatusBar>
#include <QTimer>

#include "core/about_box.h"
#include "core/app_state.h"
#include "core/login_dialog.h"
#include "core/messages.h"
#include "core/os_setting.h"
#include "core/startup.h"
#include "store/sqlite.h"
#include "ui/captions.h"
#include "ui/command_runner.h"
#include "ui/prompter.h"

namespace core {
namespace {

struct Item {
    const char* name;
    const char* caption;  // nullptr: separator
};

struct Menu {
    const char* name;
    const char* caption;
    std::vector<Item> items;
};

const std::vector<Menu>& menu_tree() {
    static const std::vector<Menu> tree = {
        {"MItemCSH", "基本信息",
         {{"MItemCSH_DWDJ", "单位登记信息"},
          {"MItemCSH_DWKH", "单位开户信息"},
          {"MItemCSH_XQXX", "小区信息管理"},
          {"MItemCSH_ZXX", "幢信息管理"},
          {"MItemCSH_HXX", "户信息管理"},
          {"MItemCSH_ZHXX", "账户信息管理"},
          {"MItemCSH_Drv1", nullptr},
          {"MItemCSH_JSSYXZXX", "接收所有下载信息"}}},
        {"MItemYWCL", "业务处理",
         {{"MItemYWCL_JCYWGL", "缴存业务管理"},
          {"MItemYWCL_ZQYWGL", "支取业务管理"},
          {"MItemYWCL_ZCYWGL", "转存业务管理"},
          {"MItemYWCL_Drv", nullptr},
          {"MItemYWCL_JSYWLS", "接收业务流水"}}},
        {"MItemCXTJ", "查询统计", {}},
        {"MItemGDBB", "固定报表",
         {{"MItemGDBB_JCQC", "缴存清册"}, {"MItemGDBB_ZQQC", "支取清册"}, {"MItemGDBB_ZCQC", "转存清册"}}},
        {"MItemXTWH", "系统维护",
         {{"MItemXTWH_QXSZ", "权限设置"},
          {"MItemXTWH_Drv1", nullptr},
          {"MItemXTWH_SJBF1", "数据备份"},
          {"MItemXTWH_SJHF1", "数据恢复"},
          {"MItemXTWH_SJWH", "数据维护"},
          {"MItemXTWH_Drv2", nullptr},
          {"MItemXTWH_JSBJKH", "设置操作系统"},
          {"MItemXTWH_Drv4", nullptr},
          {"MItemXTWH_BBSJ", "版本升级"}}},
        {"MItemBZ", "帮助", {{"MItemBZ_GYBRJ", "关于本软件"}}},
    };
    return tree;
}

// Top-level menus that the registry and business windows switch off while they are open.
const char* kWorkMenus[] = {"MItemYWCL", "MItemCXTJ", "MItemFZGN", "MItemGDBB", "MItemDWJK", "MItemXTWH"};

}  // namespace

MainWindow::MainWindow(AppState& state, store::Database& db, ui::Prompter& prompter, QWidget* parent)
    : QMainWindow(parent), state_(state), db_(db), prompter_(prompter) {
    setObjectName("TPALVORMainForm");
    mdi_ = new QMdiArea(this);
    mdi_->setObjectName("MDIClient");
    mdi_->viewport()->installEventFilter(this);
    setCentralWidget(mdi_);
    statusBar()->setObjectName("StatusBar1");
    build_menus();
    apply_title_and_menus();

    background_.load(QString::fromStdString(state_.data_root + "palvorback.bmp"));

    credentials_ = [this](Credentials& c) {
        // One window for all attempts, so the typed texts stay.
        if (!login_dialog_) login_dialog_ = new LoginDialog(this);
        return login_dialog_->ask(c);
    };
    startup_timer_ = new QTimer(this);
    startup_timer_->setInterval(10);
    connect(startup_timer_, &QTimer::timeout, this, [this] {
        // Without a window manager the frame may never be "activated"; half a second of being
        // shown counts as well.
        bool shown_long = shown_at_ && QDateTime::currentMSecsSinceEpoch() - shown_at_ > 500;
        if (state_.main_window_activated || shown_long) run_startup();
    });
    startup_timer_->start();
}

QAction* MainWindow::add_item(QMenu* menu, const char* name, const char* caption) {
    QAction* a = caption ? menu->addAction(QString::fromUtf8(caption)) : menu->addSeparator();
    a->setObjectName(name);
    items_.insert(name, a);
    if (caption) connect(a, &QAction::triggered, this, [this, n = QString(name)] { run_item(n); });
    return a;
}

void MainWindow::build_menus() {
    for (const Menu& m : menu_tree()) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(m.caption));
        menu->setObjectName(m.name);
        menu->menuAction()->setObjectName(m.name);
        items_.insert(m.name, menu->menuAction());
        for (const Item& it : m.items) {
            if (std::string(it.name) == "MItemXTWH_JSBJKH") {
                QMenu* sub = menu->addMenu(QString::fromUtf8(it.caption));
                sub->setObjectName(it.name);
                sub->menuAction()->setObjectName(it.name);
                items_.insert(it.name, sub->menuAction());
                add_item(sub, "MItemXTWH_Windwos98", "设置操作系统为 Windows 98");
                add_item(sub, "MItemXTWH_Windwos2000", "设置操作系统为 Windows 2000");
                add_item(sub, "MItemXTWH_WindwosXP", "设置操作系统为 Windows XP");
                continue;
            }
            add_item(menu, it.name, it.caption);
        }
    }
    QAction* exit = menuBar()->addAction(QString::fromUtf8("退出"));
    exit->setObjectName("MItemTC");
    items_.insert("MItemTC", exit);
    connect(exit, &QAction::triggered, this, &QWidget::close);

    // Shown only to SYSTEM after login.
    items_["MItemXTWH_SJWH"]->setVisible(false);
    items_["MItemXTWH_SJWH"]->setEnabled(false);

    auto os = [this](OsVariant v) { set_operating_system(state_.start_dir, v, prompter_); };
    set_command("MItemXTWH_Windwos98", [os] { os(OsVariant::Windows98); });
    set_command("MItemXTWH_Windwos2000", [os] { os(OsVariant::Windows2000); });
    set_command("MItemXTWH_WindwosXP", [os] { os(OsVariant::WindowsXP); });
    set_command("MItemBZ_GYBRJ", [this] { show_about(); });
    set_command("MItemXTWH_SJWH", [] {});  // shown to SYSTEM, has no command
}

void MainWindow::set_command(const QString& item_name, std::function<void()> command) {
    commands_[item_name] = std::move(command);
}

QAction* MainWindow::menu_item(const QString& name) const { return items_.value(name, nullptr); }

void MainWindow::run_item(const QString& name) {
    auto it = commands_.find(name);
    if (it == commands_.end()) {
        prompter_.inform(ui::caption::kInfo, msg::kNotYetAvailable);
        return;
    }
    ui::run_command(prompter_, *it);
}

void MainWindow::set_work_menus_enabled(bool enabled) {
    for (const Menu& m : menu_tree())
        if (std::string(m.name) == "MItemCSH")
            for (const Item& it : m.items) items_[it.name]->setEnabled(enabled);
    for (const char* name : kWorkMenus)
        if (QAction* a = items_.value(name, nullptr)) a->setEnabled(enabled);
}

void MainWindow::apply_title_and_menus() {
    setWindowTitle(QString::fromUtf8(msg::kWindowTitle));
    // Every top-level item and every item directly under it; the submenu of 设置操作系统 is left.
    for (const Menu& m : menu_tree()) {
        items_[m.name]->setEnabled(true);
        for (const Item& it : m.items)
            if (std::string(it.name) != "MItemXTWH_SJWH") items_[it.name]->setEnabled(true);
    }
    items_["MItemTC"]->setEnabled(true);
    if (startup_done_) items_["MItemXTWH_SJWH"]->setEnabled(state_.is_system_user);
}

void MainWindow::add_child(QWidget* child) {
    child->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* sub = mdi_->addSubWindow(child);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    child->show();
    sub->showMaximized();
}

void MainWindow::run_startup() {
    if (startup_done_ || !startup_timer_->isActive()) return;
    startup_timer_->stop();
    if (!run_startup_sequence(state_, db_, prompter_)) {
        state_.confirm_exit = false;
        close();
        return;
    }
    state_.confirm_exit = true;
    if (!login(state_, db_, prompter_, credentials_)) {
        state_.confirm_exit = false;
        close();
        return;
    }
    startup_done_ = true;
    QAction* sjwh = items_["MItemXTWH_SJWH"];
    sjwh->setVisible(state_.is_system_user);
    sjwh->setEnabled(state_.is_system_user);
    statusBar()->showMessage(QString::fromUtf8("单位：%1 %2    操作员：%3")
                                 .arg(QString::fromStdString(state_.unit_dwdjh), QString::fromStdString(state_.unit_dwmc),
                                      QString::fromStdString(state_.login_nameid)));
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        apply_title_and_menus();
        state_.main_window_activated = true;
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_at_) shown_at_ = QDateTime::currentMSecsSinceEpoch();
    activateWindow();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (state_.exit_without_confirm || !state_.confirm_exit) {
        mdi_->closeAllSubWindows();
        event->accept();
        return;
    }
    if (prompter_.ask(ui::caption::kExit, msg::kConfirmExit, false)) {
        mdi_->closeAllSubWindows();
        event->accept();
    } else {
        event->ignore();
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mdi_->viewport() && event->type() == QEvent::Resize) update_background();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::update_background() {
    if (background_.isNull()) return;
    QSize size = mdi_->viewport()->size();
    if (size.isEmpty()) return;
    // Stretched over the whole client area, not tiled.
    mdi_->setBackground(QBrush(background_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}

void MainWindow::show_about() {
    AboutBox box(this);
    box.exec();
}

}  // namespace core
