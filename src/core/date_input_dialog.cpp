#include "core/date_input_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/format.h"
#include "core/messages.h"
#include "core/text_helpers.h"
#include "ui/focus_leave.h"
#include "ui/key_filter.h"
#include "ui/prompter.h"
#include "ui/captions.h"

namespace core {
namespace {

QLineEdit* digit_edit(QWidget* parent, const char* name, int max_length) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMaxLength(max_length);
    e->setFixedWidth(max_length == 4 ? 60 : 40);
    e->setAttribute(Qt::WA_InputMethodEnabled, false);
    return e;
}

bool leap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int days_in_month(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && leap(y) ? 29 : days[m - 1];
}

bool digits_at(const std::string& s, std::initializer_list<int> positions) {
    for (int p : positions)
        if (s[std::size_t(p - 1)] < '0' || s[std::size_t(p - 1)] > '9') return false;
    return true;
}

}  // namespace

DateInputDialog::DateInputDialog(ui::Prompter& prompter, QWidget* parent) : QDialog(parent), prompter_(prompter) {
    setObjectName("TfrmDateInput");
    setWindowTitle(QString::fromUtf8("日期输入"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    year_ = digit_edit(this, "EditYear", 4);
    month_ = digit_edit(this, "EditMonth", 2);
    day_ = digit_edit(this, "EditDay", 2);
    ok_ = new QPushButton(QString::fromUtf8("确定"), this);
    ok_->setObjectName("ButtonOk");
    ok_->setDefault(true);
    cancel_ = new QPushButton(QString::fromUtf8("取消"), this);
    cancel_->setObjectName("ButtonCancel");
    connect(ok_, &QPushButton::clicked, this, &DateInputDialog::confirm);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    // Digits and Backspace only; Enter walks year -> month -> day -> 确定.
    auto digits = [](const std::string&, int key) { return key == kKeyBackspace || (key >= '0' && key <= '9'); };
    ui::install_key_filter(year_, digits, [this] { month_->setFocus(); });
    ui::install_key_filter(month_, digits, [this] { day_->setFocus(); });
    ui::install_key_filter(day_, digits, [this] { ok_->click(); });
    ui::on_focus_leave(year_, cancel_, [this] { return check_part(Part::Year, false); });
    ui::on_focus_leave(month_, cancel_, [this] { return check_part(Part::Month, false); });
    ui::on_focus_leave(day_, cancel_, [this] { return check_part(Part::Day, false); });

    auto* fields = new QHBoxLayout;
    fields->addWidget(year_);
    fields->addWidget(new QLabel(QString::fromUtf8("年"), this));
    fields->addWidget(month_);
    fields->addWidget(new QLabel(QString::fromUtf8("月"), this));
    fields->addWidget(day_);
    fields->addWidget(new QLabel(QString::fromUtf8("日"), this));
    fields->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString::fromUtf8("请输入相应的年、月、日："), this));
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void DateInputDialog::preset(const std::string& date) {
    std::string shown = date;
    if (shown.size() != 10 || !digits_at(shown, {1, 2, 3, 4, 6, 7, 9, 10})) shown = palvor::today_text();
    year_->setText(QString::number(std::stoi(shown.substr(0, 4))));
    month_->setText(QString::number(std::stoi(shown.substr(5, 2))));
    day_->setText(QString::number(std::stoi(shown.substr(8, 2))));
    year_->setFocus();
}

bool DateInputDialog::check_part(Part part, bool focus_back) {
    QLineEdit* edit = part == Part::Year ? year_ : part == Part::Month ? month_ : day_;
    bool ok = false;
    const int value = edit->text().trimmed().toInt(&ok);
    const char* problem = nullptr;
    if (!ok)
        problem = msg::kNumberWrong;
    else if ((part == Part::Year && value < 0) || (part == Part::Month && (value < 1 || value > 12)) ||
             (part == Part::Day && (value < 1 || value > 31)))
        problem = msg::kNumberInvalid;
    if (!problem) return true;
    prompter_.warn(ui::caption::kWarning, problem);
    if (focus_back) ui::return_focus(edit);
    return false;
}

void DateInputDialog::confirm() {
    // Enter in the day field reaches here without leaving it, so nothing is taken unchecked.
    for (Part p : {Part::Year, Part::Month, Part::Day})
        if (!check_part(p, true)) return;
    const int y = year_->text().trimmed().toInt();
    const int m = month_->text().trimmed().toInt();
    const int d = day_->text().trimmed().toInt();
    // Dates are ten-character texts everywhere, and a day past the month's end is no date.
    if (y < 1000) {
        prompter_.warn(ui::caption::kWarning, msg::kNumberInvalid);
        ui::return_focus(year_);
        return;
    }
    if (d > days_in_month(y, m)) {
        prompter_.warn(ui::caption::kWarning, msg::kNumberInvalid);
        ui::return_focus(day_);
        return;
    }
    date_ = palvor::date_text(y, m, d);
    accept();
}

bool input_date(ui::Prompter& prompter, std::string& date, QWidget* parent) {
    DateInputDialog dialog(prompter, parent);
    dialog.preset(date);
    if (dialog.exec() != QDialog::Accepted) return false;
    date = dialog.date();
    return true;
}

}  // namespace core
