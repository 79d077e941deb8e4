#pragma once

#include <QWidget>

namespace zul {

// The explanatory picture of the ground layer screen (300 by 200 pixels): the pile in the
// layers with the ground surface, the water level and the two design ground levels.
class GroundSketch : public QWidget {
    Q_OBJECT
public:
    explicit GroundSketch(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zul
