#include "ui/report/page_model.h"

#include <algorithm>

namespace ui::report {

QSizeF PageSetup::paper_size() const {
    return orientation == Orientation::Portrait ? QSizeF(210, 297) : QSizeF(297, 210);
}

QRectF PageSetup::printable() const {
    QSizeF s = paper_size();
    return QRectF(margins.left(), margins.top(), s.width() - margins.left() - margins.right(),
                  s.height() - margins.top() - margins.bottom());
}

QStringList Page::text_list() const {
    QStringList out;
    out.reserve(qsizetype(texts.size()));
    for (const auto& t : texts) out << t.text;
    return out;
}

bool Page::contains(const QString& text) const { return count(text) > 0; }

int Page::count(const QString& text) const {
    return int(std::count_if(texts.begin(), texts.end(), [&](const TextItem& t) { return t.text == text; }));
}

}  // namespace ui::report
