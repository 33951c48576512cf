#include "ui/app_icon.h"

#include <QPainter>
#include <QPixmap>

namespace ui {

QIcon app_icon() {
    QIcon icon;
    for (int size : {16, 32, 64}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(QColor(33, 82, 140));
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
        QFont f("WenQuanYi Zen Hei");
        f.setPixelSize(int(size * 0.7));
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(pm.rect(), Qt::AlignCenter, QString::fromUtf8("维"));
        icon.addPixmap(pm);
    }
    return icon;
}

}  // namespace ui
