#pragma once

#include "site/SiteTypes.h"

#include <QPointF>
#include <QRectF>
#include <QWidget>

#include <cstddef>
#include <optional>
#include <vector>

namespace zul {

// A borehole on the plan: metres east and north of the first borehole with a position.
struct PlanPosition {
    double east = 0;
    double north = 0;
};

// The positions of the boreholes with coordinates, to scale (a local flat projection about the
// first one, north up); none for a borehole without coordinates.
std::vector<std::optional<PlanPosition>> PlanPositions(const std::vector<site::BoreholeResult>& boreholes);

// The plan of the borehole positions, north up, to scale, each point coloured by the required
// length of one diameter (blue shortest to red longest), with a legend, a scale bar and the
// north arrow.  A borehole with no length that carries the loads is a grey ring; a refused or
// failed one a cross.  Boreholes without coordinates are counted under the plan.  A click on a
// point tells its borehole.
class SitePlanView : public QWidget {
    Q_OBJECT
public:
    explicit SitePlanView(QWidget* parent = nullptr);

    // diameterPlace: the place of the diameter in the study table.
    void SetBoreholes(const std::vector<site::BoreholeResult>& boreholes, std::size_t diameterPlace);

    // The shortest and the longest required length shown (none when no point has a length).
    std::optional<std::pair<double, double>> LengthRange() const { return range_; }
    std::size_t Placed() const { return points_.size(); }
    // Where the borehole of this place in the list is drawn; none when it is not on the plan.
    std::optional<QPointF> PointPosition(std::size_t row) const;
    std::size_t Unplaced() const { return unplaced_; }

    QSize sizeHint() const override { return {640, 420}; }
    QSize minimumSizeHint() const override { return {360, 260}; }

signals:
    // A click on a point: the place of its borehole in the list.
    void boreholeClicked(int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    struct Point {
        PlanPosition at;
        QString name;
        std::optional<double> length;
        bool calculated = false;
        std::size_t row = 0; // place of the borehole in the list
    };
    // The plan's frame and scale in this widget: the same for drawing and for clicks.
    struct Layout {
        QRectF area;
        double pixelsPerMetre = 1;
        double midE = 0;
        double midN = 0;
        int labelRoom = 0;
        bool valid = false;
    };
    Layout MakeLayout(const QFontMetrics& metrics) const;
    static QPointF Where(const Layout& layout, const PlanPosition& p);

    std::vector<Point> points_;
    std::size_t unplaced_ = 0;
    std::optional<std::pair<double, double>> range_;
};

} // namespace zul
