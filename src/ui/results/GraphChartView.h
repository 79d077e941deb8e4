#pragma once

#include "render/GraphData.h"

#include <QString>
#include <QWidget>

namespace zul {

// The chart of the study graph screen: draws the current graph with the shared drawing routine
// and tells the values of the point under the mouse.
class GraphChartView : public QWidget {
    Q_OBJECT
public:
    explicit GraphChartView(QWidget* parent = nullptr);

    void setGraph(GraphData data);
    const GraphData& graph() const { return data_; }

    // The description of the point within a few pixels of position, or an empty text.
    QString pointTextAt(const QPoint& position) const;

signals:
    // The text of the point under the mouse; empty when the mouse leaves all points.
    void pointHovered(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    GraphData data_;
    QString hovered_;
};

} // namespace zul
