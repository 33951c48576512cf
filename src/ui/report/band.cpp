#include "ui/report/band.h"

#include "store/errors.h"

namespace ui::report {

Band::Band(std::string name, double height) : name_(std::move(name)), height_(height) {}

namespace {

Element placed(Element::Kind kind, std::string name, QRectF rect, Font font, Align align, unsigned frame) {
    Element e;
    e.kind = kind;
    e.name = std::move(name);
    e.rect = rect;
    e.font = font;
    e.align = align;
    e.frame = frame;
    return e;
}

}  // namespace

Element& Band::add_label(std::string name, QRectF rect, QString text, Font font, Align align, unsigned frame) {
    Element e = placed(Element::Kind::Label, std::move(name), rect, font, align, frame);
    e.text = std::move(text);
    return elements_.emplace_back(std::move(e));
}

Element& Band::add_field(std::string name, QRectF rect, std::string column, Font font, Align align,
                         unsigned frame) {
    return add_field(
        std::move(name), rect,
        [column = std::move(column)](const Record& r) { return QString::fromStdString(r.text(column)); }, font,
        align, frame);
}

Element& Band::add_field(std::string name, QRectF rect, std::function<QString(const Record&)> value, Font font,
                         Align align, unsigned frame) {
    Element e = placed(Element::Kind::Field, std::move(name), rect, font, align, frame);
    e.value = std::move(value);
    return elements_.emplace_back(std::move(e));
}

void Band::add_line(QLineF line, double width) {
    Element e;
    e.kind = Element::Kind::Line;
    e.line = line;
    e.line_width = width;
    elements_.push_back(std::move(e));
}

Element* Band::element(std::string_view name) {
    for (auto& e : elements_)
        if (e.name == name) return &e;
    return nullptr;
}

void Band::set_text(std::string_view label, const QString& text) {
    Element* e = element(label);
    if (!e) throw palvor::Error("报表中没有标签 " + std::string(label));
    e->text = text;
}

QString Band::text(std::string_view label) const {
    for (const auto& e : elements_)
        if (e.name == label) return e.text;
    return {};
}

Band& Band::add_child(std::string name, double height) {
    children_.push_back(std::make_unique<Band>(std::move(name), height));
    return *children_.back();
}

Band* Band::find(std::string_view name) {
    if (name_ == name) return this;
    for (auto& c : children_)
        if (Band* b = c->find(name)) return b;
    return nullptr;
}

}  // namespace ui::report
