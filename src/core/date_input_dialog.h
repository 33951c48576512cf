#pragma once
// The date dialog "日期输入": year, month and day in three digit fields.
#include <QDialog>
#include <string>

class QLineEdit;
class QPushButton;

namespace ui {
class Prompter;
}

namespace core {

class DateInputDialog : public QDialog {
    Q_OBJECT
public:
    // Messages go through `prompter`.
    explicit DateInputDialog(ui::Prompter& prompter, QWidget* parent = nullptr);

    // Shows the parts of `date` when it has ten characters with digits at positions 1-4, 6-7 and
    // 9-10, else today's; the focus goes to the year.
    void preset(const std::string& date);
    // The date confirmed with 确定, "yyyy-mm-dd".
    const std::string& date() const { return date_; }

private:
    enum class Part { Year, Month, Day };
    // The check made when the focus leaves a field: a number, and in its range.
    bool check_part(Part part, bool focus_back);
    // 确定: every field checked again, then the day against its month.
    void confirm();

    ui::Prompter& prompter_;
    QLineEdit* year_;
    QLineEdit* month_;
    QLineEdit* day_;
    QPushButton* ok_;
    QPushButton* cancel_;
    std::string date_;
};

// Shows the date dialog preset from `date`; on 确定 sets `date` and returns true.
bool input_date(ui::Prompter& prompter, std::string& date, QWidget* parent = nullptr);

}  // namespace core
