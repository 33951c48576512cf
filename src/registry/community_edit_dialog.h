#pragma once
// "增加修改小区信息窗口": adds communities one after another (mode 1) or modifies the row the list
// window's walk has loaded (mode 2).
#include <QDialog>
#include <string>

class QLineEdit;
class QPushButton;

namespace ui {
class Prompter;
}

namespace registry {

class CommunityRegistry;

// What the list window and this window share for one add series or modify walk.
struct CommunityEditState {
    int mode = 0;            // xqxx_mode: 1 adding, 2 modifying
    int go_on = 0;           // xqxx_continue: 0 after 取消
    long long xqbh = 0;      // xqxx_xqbh: the row modified or last added
    std::string old_xqmc;    // xqxx_old_xqmc
};

class CommunityEditDialog : public QDialog {
    Q_OBJECT
public:
    CommunityEditDialog(CommunityRegistry& registry, ui::Prompter& prompter, CommunityEditState& state,
                        QWidget* parent = nullptr);

    // Fills the fields for adding (the proposed number, enabled) or modifying (disabled number).
    void prepare_add(long long proposal);
    void prepare_modify(long long xqbh, const std::string& name, const std::string& address);

    void save();
    void cancel();

private:
    CommunityRegistry& registry_;
    ui::Prompter& prompter_;
    CommunityEditState& state_;
    QLineEdit* number_;
    QLineEdit* name_;
    QLineEdit* address_;
};

}  // namespace registry
