#pragma once
// "小区信息录入窗口": the list of communities with sorting, search, add, modify, delete, the
// printed list and the reception of the centre's community file.
#include <QWidget>
#include <functional>
#include <memory>

#include "registry/community_edit_dialog.h"
#include "registry/community_registry.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableView;

namespace core {
struct AppState;
class MainWindow;
}
namespace store {
class Database;
}
namespace ui {
class GridModel;
class Prompter;
class Progress;
}

namespace registry {

class CommunityWindow : public QWidget {
    Q_OBJECT
public:
    // `main` (may be null in tests) gets its work menus switched off while the window is open.
    CommunityWindow(core::AppState& state, store::Database& db, ui::Prompter& prompter, core::MainWindow* main,
                    ui::Progress* progress = nullptr, QWidget* parent = nullptr);
    ~CommunityWindow() override;

    // How the add/modify window is shown; tests replace the modal loop with a script.
    void set_edit_runner(std::function<void(CommunityEditDialog&)> run) { run_edit_ = std::move(run); }

    ui::GridModel& list() { return *model_; }
    CommunitySort sort() const;
    void refresh_list(long long position);

    void add();
    void modify();
    void remove();
    void search();
    void print_or_preview(bool preview);
    void choose_file();
    void receive();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void guarded(const std::function<void()>& command);
    bool refuse_before_receiving();

    core::AppState& state_;
    store::Database& db_;
    ui::Prompter& prompter_;
    core::MainWindow* main_;
    std::unique_ptr<ui::Progress> own_progress_;
    ui::Progress* progress_;
    CommunityRegistry registry_;
    CommunityEditState edit_state_;
    CommunityEditDialog* edit_;
    std::function<void(CommunityEditDialog&)> run_edit_;
    ui::GridModel* model_;
    QTableView* grid_;
    QComboBox* sort_;
    QLineEdit* count_;
    QLineEdit* file_;
    QPushButton* delete_;
    QPushButton* modify_;
};

}  // namespace registry
