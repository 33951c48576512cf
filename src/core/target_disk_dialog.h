#pragma once
// The choose-target-disk dialog "选择目标磁盘": a disk (mounted volume, removable-media folder
// or home) and a folder on it. 确定 stores the folder in AppState::xzcp_dir.
#include <QDialog>
#include <optional>
#include <string>

class QComboBox;
class QFileSystemModel;
class QLineEdit;
class QModelIndex;
class QTreeView;

namespace core {

struct AppState;

class TargetDiskDialog : public QDialog {
    Q_OBJECT
public:
    explicit TargetDiskDialog(AppState& state, QWidget* parent = nullptr);

    // Shows `dir` as chosen: its disk in the drive list, the folder selected, its path in the edit.
    void set_directory(const std::string& dir);
    std::string shown_directory() const;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fill_drives();
    void drive_chosen(int index);
    void folder_chosen(const QModelIndex& index);
    void confirm();

    AppState& state_;
    QComboBox* drives_;
    QTreeView* folders_;
    QFileSystemModel* model_;
    QLineEdit* result_;
};

// Shows the dialog at `initial_dir` (the removable-media folder when empty); on 确定 returns the
// chosen folder, which is also in state.xzcp_dir. The working directory is start_dir afterwards.
std::optional<std::string> choose_target_disk(AppState& state, const std::string& initial_dir,
                                              QWidget* parent = nullptr);

}  // namespace core
