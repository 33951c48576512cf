#include "core/target_disk_dialog.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

#include "core/app_state.h"
#include "core/disk_copy.h"
#include "ui/dialog_buttons.h"

namespace core {
namespace {

// Mounts a user may write a report or backup to; system and pseudo file systems stay out.
bool offered_mount(const QStorageInfo& s) {
    if (!s.isValid() || !s.isReady()) return false;
    const QString root = s.rootPath();
    if (root == QLatin1String("/")) return true;
    for (const char* hidden : {"/proc", "/sys", "/dev", "/run", "/boot", "/snap", "/var", "/tmp"})
        if (root == QLatin1String(hidden) || root.startsWith(QLatin1String(hidden) + QLatin1Char('/')))
            return root.startsWith(QLatin1String("/run/media/"));
    return true;
}

QString without_trailing_slash(QString path) {
    while (path.size() > 1 && path.endsWith(QLatin1Char('/'))) path.chop(1);
    return path;
}

}  // namespace

TargetDiskDialog::TargetDiskDialog(AppState& state, QWidget* parent) : QDialog(parent), state_(state) {
    setObjectName("TfrmXZCP");
    setWindowTitle(QString::fromUtf8("选择目标磁盘"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    drives_ = new QComboBox(this);
    drives_->setObjectName("DriveComboBox1");
    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setRootPath(QStringLiteral("/"));
    folders_ = new QTreeView(this);
    folders_->setObjectName("DirectoryListBox1");
    folders_->setModel(model_);
    for (int c = 1; c < model_->columnCount(); ++c) folders_->hideColumn(c);
    folders_->header()->hide();
    folders_->setMinimumSize(360, 260);
    result_ = new QLineEdit(this);
    result_->setObjectName("EditXZCP");
    result_->setReadOnly(true);
    auto buttons = ui::ok_cancel_row(this, "ButtonQD", "确定", "ButtonQX", "取消", false);

    fill_drives();
    connect(drives_, qOverload<int>(&QComboBox::activated), this, &TargetDiskDialog::drive_chosen);
    connect(folders_, &QTreeView::clicked, this, &TargetDiskDialog::folder_chosen);
    connect(folders_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { folder_chosen(current); });
    connect(buttons.ok, &QPushButton::clicked, this, &TargetDiskDialog::confirm);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString::fromUtf8("请选择目标磁盘："), this));
    layout->addWidget(drives_);
    layout->addWidget(new QLabel(QString::fromUtf8("请选择目标文件夹："), this));
    layout->addWidget(folders_);
    layout->addWidget(new QLabel(QString::fromUtf8("选择结果："), this));
    layout->addWidget(result_);
    layout->addLayout(buttons.layout);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    set_directory(state_.data_root.empty() ? removable_media_dir() : state_.data_root);
}

void TargetDiskDialog::fill_drives() {
    QStringList roots;
    auto add = [&](const QString& root, const QString& label) {
        const QString r = without_trailing_slash(root);
        if (r.isEmpty() || roots.contains(r) || !QDir(r).exists()) return;
        roots << r;
        drives_->addItem(label.isEmpty() ? r : label + QStringLiteral(" (") + r + QLatin1Char(')'), r);
    };
    add(QString::fromStdString(removable_media_dir()), QString::fromUtf8("移动磁盘"));
    for (const QStorageInfo& s : QStorageInfo::mountedVolumes())
        if (offered_mount(s) && s.rootPath() != QLatin1String("/")) add(s.rootPath(), s.displayName());
    add(QDir::homePath(), QString::fromUtf8("主文件夹"));
    add(QStringLiteral("/"), QString::fromUtf8("根目录"));
}

void TargetDiskDialog::drive_chosen(int index) {
    const QString root = drives_->itemData(index).toString();
    folders_->setRootIndex(model_->index(root));
    folders_->setCurrentIndex(QModelIndex());
    result_->setText(root);
}

void TargetDiskDialog::folder_chosen(const QModelIndex& index) {
    if (index.isValid()) result_->setText(model_->filePath(index));
}

void TargetDiskDialog::set_directory(const std::string& dir) {
    const QString path = without_trailing_slash(QDir::cleanPath(QDir(QString::fromStdString(dir)).absolutePath()));
    // The disk is the longest listed root the folder lies under.
    int best = -1;
    qsizetype best_len = -1;
    for (int i = 0; i < drives_->count(); ++i) {
        const QString root = drives_->itemData(i).toString();
        const bool under = root == QLatin1String("/") || path == root || path.startsWith(root + QLatin1Char('/'));
        if (under && root.size() > best_len) {
            best = i;
            best_len = root.size();
        }
    }
    if (best >= 0) {
        drives_->setCurrentIndex(best);
        folders_->setRootIndex(model_->index(drives_->itemData(best).toString()));
    }
    const QModelIndex index = model_->index(path);
    if (index.isValid()) {
        folders_->setCurrentIndex(index);
        folders_->scrollTo(index);
    }
    result_->setText(path);
}

std::string TargetDiskDialog::shown_directory() const { return result_->text().toStdString(); }

void TargetDiskDialog::confirm() {
    QString dir = result_->text();
    if (dir.size() > 1 && dir.endsWith(QLatin1Char('/'))) dir.chop(1);
    state_.xzcp_dir = dir.toStdString();
    accept();
}

void TargetDiskDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!state_.start_dir.empty()) QDir::setCurrent(QString::fromStdString(state_.start_dir));
}

void TargetDiskDialog::done(int result) {
    if (!state_.start_dir.empty()) QDir::setCurrent(QString::fromStdString(state_.start_dir));
    QDialog::done(result);
}

std::optional<std::string> choose_target_disk(AppState& state, const std::string& initial_dir, QWidget* parent) {
    TargetDiskDialog dialog(state, parent);
    dialog.set_directory(initial_dir.empty() ? removable_media_dir() : initial_dir);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return state.xzcp_dir;
}

}  // namespace core
