#include "registry/community_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "core/app_state.h"
#include "core/disk_copy.h"
#include "core/main_window.h"
#include "exchange/download_reception.h"
#include "registry/community_report.h"
#include "registry/messages.h"
#include "ui/command_runner.h"
#include "ui/dialog_buttons.h"
#include "ui/grid_model.h"
#include "ui/progress_window.h"
#include "ui/prompter.h"
#include "ui/captions.h"

namespace registry {

CommunityWindow::CommunityWindow(core::AppState& state, store::Database& db, ui::Prompter& prompter,
                                 core::MainWindow* main, ui::Progress* progress, QWidget* parent)
    : QWidget(parent), state_(state), db_(db), prompter_(prompter), main_(main), registry_(db, state) {
    setObjectName("TfrmXQXXLR");
    setWindowTitle(QString::fromUtf8("小区信息录入窗口"));
    if (progress) {
        progress_ = progress;
    } else {
        own_progress_ = std::make_unique<ui::ProgressWindow>(this);
        progress_ = own_progress_.get();
    }
    edit_ = new CommunityEditDialog(registry_, prompter_, edit_state_, this);
    run_edit_ = [](CommunityEditDialog& d) { d.exec(); };

    grid_ = new QTableView(this);
    grid_->setObjectName("DBGrid1");
    grid_->setAlternatingRowColors(true);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->setDefaultSectionSize(24);
    grid_->verticalHeader()->hide();
    model_ = new ui::GridModel(db_, this);
    model_->set_caption_tables({"jbxx_xqxxk"});
    model_->set_hidden({"xqxh", "dwdjh"});
    model_->set_key_column("xqbh");
    model_->attach(grid_);
    grid_->horizontalHeader()->setStretchLastSection(true);

    sort_ = new QComboBox(this);
    sort_->setObjectName("ComboBoxIndex");
    for (auto s : {CommunitySort::ByNumber, CommunitySort::BySequence, CommunitySort::ByName})
        sort_->addItem(QString::fromUtf8(community_sort_caption(s)));
    count_ = new QLineEdit(this);
    count_->setObjectName("EditZJL");
    count_->setReadOnly(true);
    count_->setMaximumWidth(120);
    file_ = new QLineEdit(this);
    file_->setObjectName("EditXZWJ");
    file_->setReadOnly(true);

    auto* choose = ui::make_button(this, "ButtonXZWJ", "选择接收文件名称");
    auto* receive_button = ui::make_button(this, "ButtonJSWJ", "接收小区信息");
    auto* insert = ui::make_button(this, "ButtonInsert", "新增");
    modify_ = ui::make_button(this, "ButtonModify", "修改");
    delete_ = ui::make_button(this, "ButtonDelete", "删除");
    auto* search_button = ui::make_button(this, "ButtonSearch", "查找");
    auto* first = ui::make_button(this, "ButtonFirst", "首记录");
    auto* last = ui::make_button(this, "ButtonLast", "尾记录");
    auto* preview = ui::make_button(this, "ButtonYL", "预览");
    auto* print = ui::make_button(this, "ButtonDY", "打印");
    auto* exit = ui::make_button(this, "ButtonExit", "退出");

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QString::fromUtf8("排序方式："), this));
    top->addWidget(sort_);
    top->addSpacing(24);
    top->addWidget(new QLabel(QString::fromUtf8("总记录数："), this));
    top->addWidget(count_);
    top->addStretch();
    auto* exchange_row = new QHBoxLayout;
    exchange_row->addWidget(choose);
    exchange_row->addWidget(file_, 1);
    exchange_row->addWidget(receive_button);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {insert, modify_, delete_, search_button, first, last, preview, print}) buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(exit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grid_, 1);
    layout->addLayout(exchange_row);
    layout->addLayout(buttons);

    connect(sort_, &QComboBox::currentIndexChanged, this, [this] { guarded([this] { refresh_list(0); }); });
    connect(insert, &QPushButton::clicked, this, [this] { guarded([this] { add(); }); });
    connect(modify_, &QPushButton::clicked, this, [this] { guarded([this] { modify(); }); });
    connect(delete_, &QPushButton::clicked, this, [this] { guarded([this] { remove(); }); });
    connect(search_button, &QPushButton::clicked, this, [this] { guarded([this] { search(); }); });
    connect(first, &QPushButton::clicked, this, [this] { model_->first(); });
    connect(last, &QPushButton::clicked, this, [this] { model_->last(); });
    connect(preview, &QPushButton::clicked, this, [this] { guarded([this] { print_or_preview(true); }); });
    connect(print, &QPushButton::clicked, this, [this] { guarded([this] { print_or_preview(false); }); });
    connect(choose, &QPushButton::clicked, this, [this] { guarded([this] { choose_file(); }); });
    connect(receive_button, &QPushButton::clicked, this, [this] { guarded([this] { receive(); }); });
    connect(exit, &QPushButton::clicked, this, &QWidget::close);

    if (main_) main_->set_work_menus_enabled(false);
    guarded([this] {
        core::load_unit_identity(state_, db_);
        edit_state_ = {};
        refresh_list(0);
    });
    resize(760, 520);
}

CommunityWindow::~CommunityWindow() = default;

void CommunityWindow::guarded(const std::function<void()>& command) { ui::run_command(prompter_, command); }

CommunitySort CommunityWindow::sort() const { return CommunitySort(sort_->currentIndex()); }

void CommunityWindow::refresh_list(long long position) {
    model_->open(community_list_sql(sort()));
    grid_->setColumnWidth(model_->view_column("xqbh"), 90);
    grid_->setColumnWidth(model_->view_column("xqmc"), 280);
    count_->setText(QString::number(model_->row_count()));
    bool any = model_->row_count() > 0;
    delete_->setEnabled(any);
    modify_->setEnabled(any);
    if (position == 0 || !model_->locate("xqbh", ui::SqlValue(std::int64_t(position)))) model_->first();
}

bool CommunityWindow::refuse_before_receiving() {
    if (state_.received_all) return false;
    prompter_.warn(ui::caption::kWarning, msg::kNotReceived);
    return true;
}

void CommunityWindow::add() {
    if (refuse_before_receiving()) return;
    edit_state_.xqbh = model_->row_count() ? model_->current_integer("xqbh") : 0;
    edit_state_.mode = edit_state_.go_on = 1;
    edit_->prepare_add(registry_.next_number());
    run_edit_(*edit_);
    refresh_list(edit_state_.xqbh);
}

void CommunityWindow::modify() {
    if (refuse_before_receiving() || model_->row_count() == 0) return;
    // The walk goes over the rows as they were listed when it began; the list is not reloaded
    // until it ends.
    for (int row = model_->current_row(); row >= 0 && row < model_->row_count(); ++row) {
        model_->set_current_row(row);
        edit_state_.xqbh = model_->integer(row, "xqbh");
        edit_state_.old_xqmc = model_->text(row, "xqmc");
        edit_state_.mode = edit_state_.go_on = 2;
        edit_->prepare_modify(edit_state_.xqbh, edit_state_.old_xqmc, model_->text(row, "xqdz"));
        run_edit_(*edit_);
        if (edit_state_.go_on == 0) break;
    }
    refresh_list(edit_state_.xqbh);
}

void CommunityWindow::remove() {
    if (refuse_before_receiving() || model_->row_count() == 0) return;
    const int row = model_->current_row();
    const long long xqbh = model_->integer(row, "xqbh");
    if (!prompter_.ask(ui::caption::kDelete, "确定要删除编号为“" + std::to_string(xqbh) + "”的小区信息吗？", false))
        return;
    if (registry_.has_buildings(xqbh)) {
        prompter_.warn(ui::caption::kWarning, msg::kXqHasBuildings);
        return;
    }
    long long show_after = 0;
    if (model_->row_count() > 1)
        show_after = model_->integer(row < model_->row_count() - 1 ? row + 1 : row - 1, "xqbh");
    registry_.remove(xqbh);
    refresh_list(show_after);
}

void CommunityWindow::search() {
    const CommunitySort key = sort();
    std::string text;
    std::string prompt = std::string("请输入要查找的“") + community_sort_caption(key) + "”：";
    if (!prompter_.input_text(msg::kCaptionSearch, prompt, text, key == CommunitySort::ByName ? 2 : 0)) return;
    auto found = registry_.search(key, text);
    if (!found.xqbh) {
        prompter_.error(ui::caption::kWarning, found.message);
        return;
    }
    model_->locate("xqbh", ui::SqlValue(std::int64_t(*found.xqbh)));
}

void CommunityWindow::print_or_preview(bool preview) {
    if (model_->row_count() == 0) return;
    const long long keep = model_->current_integer("xqbh");
    auto report = make_community_report(db_, state_, sort());
    if (preview)
        report->preview(this);
    else
        report->print(this);
    refresh_list(keep);
}

void CommunityWindow::choose_file() {
    ui::FileChoice choice;
    choice.title = "选择接收文件名称";
    choice.filter = "ARJ压缩文件 (*_xqxx.arj);;DBF (*_xqxx.dbf)";
    choice.default_extension = "arj";
    choice.initial_dir = core::removable_media_dir();
    if (auto path = prompter_.choose_file(choice)) file_->setText(QString::fromStdString(*path));
}

void CommunityWindow::receive() {
    exchange::DownloadReception reception(state_, db_, prompter_, *progress_);
    long long keep = 0;
    bool merged = reception.receive(exchange::DownloadKind::Xqxx, file_->text().toStdString(), [&] {
        keep = model_->row_count() ? model_->current_integer("xqbh") : 0;
    });
    if (merged) refresh_list(keep);
}

void CommunityWindow::closeEvent(QCloseEvent* event) {
    if (main_) {
        main_->set_work_menus_enabled(true);
        main_->apply_title_and_menus();
    }
    QWidget::closeEvent(event);
}

}  // namespace registry
