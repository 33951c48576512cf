#pragma once
// A horizontal strip of a report: labels whose text is set at run time, fields bound to the
// current row, and rules. Positions are millimetres from the band's top-left corner (the left
// margin). Child bands print right after their parent, in order, when enabled.
#include <QLineF>
#include <QRectF>
#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/report/page_model.h"
#include "ui/report/record.h"

namespace ui::report {

struct Element {
    enum class Kind { Label, Field, Line };
    Kind kind = Kind::Label;
    std::string name;
    QRectF rect;
    QString text;                                  // label text
    std::function<QString(const Record&)> value;  // field value
    Font font;
    Align align = Align::Left;
    unsigned frame = NoFrame;
    QLineF line;  // Kind::Line
    double line_width = 0.2;
};

class Band {
public:
    Band(std::string name, double height);
    Band(const Band&) = delete;
    Band& operator=(const Band&) = delete;

    const std::string& name() const { return name_; }
    double height() const { return height_; }
    void set_height(double height) { height_ = height; }
    // A disabled band does not print (nor do its children) until enabled again.
    bool enabled() const { return enabled_; }
    void set_enabled(bool on) { enabled_ = on; }

    Element& add_label(std::string name, QRectF rect, QString text, Font font = {}, Align align = Align::Left,
                       unsigned frame = NoFrame);
    // A field showing the column's text of the current row.
    Element& add_field(std::string name, QRectF rect, std::string column, Font font = {},
                       Align align = Align::Left, unsigned frame = NoFrame);
    // A field computed from the current row.
    Element& add_field(std::string name, QRectF rect, std::function<QString(const Record&)> value,
                       Font font = {}, Align align = Align::Left, unsigned frame = NoFrame);
    void add_line(QLineF line, double width = 0.2);

    // Label text by name; throws palvor::Error for an unknown label.
    void set_text(std::string_view label, const QString& text);
    QString text(std::string_view label) const;
    Element* element(std::string_view name);

    // Chained child band, printed after this one.
    Band& add_child(std::string name, double height);
    const std::vector<std::unique_ptr<Band>>& children() const { return children_; }
    // This band or one of its descendants by name; nullptr when none.
    Band* find(std::string_view name);

    const std::deque<Element>& elements() const { return elements_; }

    // Run before the band prints (may change texts or disable it) and after it printed.
    std::function<void(Band&)> before_print;
    std::function<void(Band&)> after_print;

private:
    std::string name_;
    double height_;
    bool enabled_ = true;
    std::deque<Element> elements_;
    std::vector<std::unique_ptr<Band>> children_;
};

}  // namespace ui::report
