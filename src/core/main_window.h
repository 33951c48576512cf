#pragma once
// The frame of the program: the menu that opens every window, the background picture, the
// start-up sequence after the first activation, and the exit question.
#include <QMainWindow>
#include <QMap>
#include <QPixmap>
#include <functional>

#include "core/login.h"

class QMdiArea;
class QTimer;
class QAction;
class QMenu;

namespace store {
class Database;
}
namespace ui {
class Prompter;
}

namespace core {

struct AppState;
class LoginDialog;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(AppState& state, store::Database& db, ui::Prompter& prompter, QWidget* parent = nullptr);

    // What a menu item does; items without a command tell the user they are not available yet.
    void set_command(const QString& item_name, std::function<void()> command);
    // Replaces the login window (tests script the credentials).
    void set_credential_source(CredentialSource source) { credentials_ = std::move(source); }

    // A menu item (top-level menus included) by its name, e.g. "MItemCSH_XQXX".
    QAction* menu_item(const QString& name) const;
    // Enables or disables every item of the 基本信息 menu and the other top-level menus but 帮助
    // and 退出 (what the registry and business windows do while they are open).
    void set_work_menus_enabled(bool enabled);
    // Shows a child window inside the frame; it is freed when closed.
    void add_child(QWidget* child);
    // Title and menu state, as on every activation.
    void apply_title_and_menus();

    AppState& state() { return state_; }
    store::Database& database() { return db_; }
    ui::Prompter& prompter() { return prompter_; }
    bool startup_done() const { return startup_done_; }

    // The start-up sequence and login; run once by the timer after the first activation.
    void run_startup();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build_menus();
    QAction* add_item(QMenu* menu, const char* name, const char* caption);
    void run_item(const QString& name);
    void update_background();
    void show_about();

    AppState& state_;
    store::Database& db_;
    ui::Prompter& prompter_;
    QMdiArea* mdi_;
    QTimer* startup_timer_;
    QPixmap background_;
    LoginDialog* login_dialog_ = nullptr;
    QMap<QString, QAction*> items_;
    QMap<QString, std::function<void()>> commands_;
    CredentialSource credentials_;
    bool startup_done_ = false;
    qint64 shown_at_ = 0;
};

}  // namespace core
