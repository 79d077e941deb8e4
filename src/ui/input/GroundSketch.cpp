#include "ui/input/GroundSketch.h"

#include <QPainter>

namespace zul {

GroundSketch::GroundSketch(QWidget* parent) : QWidget(parent) {
    setFixedSize(300, 200);
}

void GroundSketch::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    p.setPen(QColor(160, 160, 160));
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    QFont font = p.font();
    font.setPixelSize(11);
    p.setFont(font);

    // Layers from the ground surface down.
    const int surface = 40;
    const int layerTops[] = {surface, 85, 130, 200};
    const QColor layerColours[] = {QColor(238, 222, 176), QColor(214, 206, 190), QColor(196, 212, 188)};
    const char* const layerNames[] = {"層1", "層2", "層3"};
    for (int i = 0; i < 3; ++i) {
        p.fillRect(QRect(10, layerTops[i], 130, layerTops[i + 1] - layerTops[i]), layerColours[i]);
        p.setPen(QColor(120, 120, 120));
        p.drawLine(10, layerTops[i], 140, layerTops[i]);
        p.setPen(Qt::black);
        p.drawText(QRect(14, layerTops[i] + 2, 40, 16), Qt::AlignLeft, QString::fromUtf8(layerNames[i]));
    }

    // The pile.
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(QRect(80, 22, 16, 150));

    // Levels, each with its line and its name.
    struct Level {
        int y;
        const char* name;
        QColor colour;
    };
    const Level levels[] = {{surface, "現地盤面", QColor(120, 70, 20)},
                            {62, "地下水位面", QColor(30, 90, 200)},
                            {52, "設計地盤面(常時)", QColor(0, 120, 60)},
                            {74, "設計地盤面(ﾚﾍﾞﾙ1地震時)", QColor(170, 40, 40)}};
    int labelY = 14;
    for (const Level& level : levels) {
        p.setPen(QPen(level.colour, 1, level.y == surface ? Qt::SolidLine : Qt::DashLine));
        p.drawLine(10, level.y, 144, level.y);
        p.drawLine(144, level.y, 150, labelY + 7);
        p.drawText(QRect(152, labelY, 146, 14), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromUtf8(level.name));
        labelY += 18;
    }

    // Layer thickness h of the first layer.
    p.setPen(Qt::black);
    p.drawLine(50, surface, 50, 85);
    p.drawText(QRect(54, 56, 24, 14), Qt::AlignLeft, QStringLiteral("h"));
    p.drawText(QRect(152, 120, 146, 40), Qt::AlignLeft, QStringLiteral("層1が最上層\n現地盤面＝層1の上面"));
}

} // namespace zul

#include "moc_GroundSketch.cpp"
