#pragma once

#include "document/BoreholeImport.h"

#include <QWidget>

#include <optional>
#include <vector>

namespace zul {

// The pile on the log: its head and tip in m below the top of the log (negative: above it).
struct LogPile {
    double headDepth = 0;
    double tipDepth = 0;
};

// The borehole log as it will be imported: a depth scale, a column of the layers coloured by
// kind (unclassified layers hatched) with the water level, the pile from head to tip beside it,
// the layer names in a column of their own (so that no line crosses them) and the N values as a
// line chart.
class BoreholeLogView : public QWidget {
    Q_OBJECT
public:
    explicit BoreholeLogView(QWidget* parent = nullptr);

    // Layers and N values; waterDepth m below the top of the log (none: no water level); the
    // pile (none: not drawn).
    void showLog(std::vector<ImportedLayer> layers, std::vector<ImportedPoint> points,
                 std::optional<double> waterDepth, std::optional<LogPile> pile);

    const std::vector<ImportedLayer>& layers() const { return layers_; }
    const std::optional<LogPile>& pile() const { return pile_; }

    // Where things are drawn at the present size: the y of a depth, the rectangle in which the
    // name of a layer is written (empty when it is too thin for its name) and the pile column.
    double yOfDepth(double depth) const;
    QRectF nameRect(std::size_t layer) const;
    QRectF pileColumn() const;

    QSize sizeHint() const override { return {420, 600}; }
    QSize minimumSizeHint() const override { return {340, 360}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The columns and the depth range at the present size.
    struct Frame {
        int top = 0;
        int bottom = 0;
        int scaleX = 0;
        QRectF colour; // the layers by kind and the water level
        QRectF pile;
        QRectF names;
        QRectF chart;
        double shallowest = 0;
        double deepest = 1;
    };
    Frame frame() const;
    void drawScale(QPainter& painter, const Frame& f) const;
    void drawLayers(QPainter& painter, const Frame& f) const;
    void drawWater(QPainter& painter, const Frame& f) const;
    void drawPile(QPainter& painter, const Frame& f) const;
    void drawChart(QPainter& painter, const Frame& f) const;

    std::vector<ImportedLayer> layers_;
    std::vector<ImportedPoint> points_;
    std::optional<double> waterDepth_;
    std::optional<LogPile> pile_;
};

// The fill colour of a layer kind in the log.
QColor SoilKindColour(std::int32_t kind);

// The colour of the water level line and of the pile in the log.
QColor LogWaterColour();
QColor LogPileColour();

} // namespace zul
