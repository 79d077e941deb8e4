#include "ui/CommandIcon.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace zul {

QIcon CommandIcon(const QString& themeName, const QString& glyph) {
    const QIcon themed = QIcon::fromTheme(themeName);
    if (!themed.isNull()) {
        return themed;
    }
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 90, 90), 1.5));
    painter.setBrush(QColor(250, 250, 250));
    painter.drawRoundedRect(QRectF(2, 2, 28, 28), 4, 4);
    QFont font = painter.font();
    font.setPixelSize(18);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(30, 60, 140));
    painter.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, glyph);
    return QIcon(picture);
}

} // namespace zul
