#pragma once

#include "document/BoreholeImport.h"

#include <QWidget>

#include <optional>

namespace zul {

// The borehole log as it will be imported: a depth scale, the layers coloured by kind with
// their names (unclassified layers hatched), the water level and the N values as a line chart.
class BoreholeLogView : public QWidget {
    Q_OBJECT
public:
    explicit BoreholeLogView(QWidget* parent = nullptr);

    // Layers and N values of the plan; waterDepth m below the hole top (none: no water level).
    void showPlan(const BoreholeImportPlan& plan, std::optional<double> waterDepth);

    QSize sizeHint() const override { return {380, 600}; }
    QSize minimumSizeHint() const override { return {300, 360}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<ImportedLayer> layers_;
    std::vector<ImportedPoint> points_;
    std::optional<double> waterDepth_;
};

// The fill colour of a layer kind in the log.
QColor SoilKindColour(std::int32_t kind);

} // namespace zul
