#pragma once

#include "site/SiteEnvelope.h"
#include "site/SiteTypes.h"

#include <QWidget>

namespace zul {

// The envelope of a site drawn as a chart: per diameter the least Ra (solid) and Pa (dashed)
// over the boreholes against the pile length, with the normal-case design loads as thin
// horizontal lines and a legend.  Says so when there is nothing to draw.
class SiteEnvelopeChart : public QWidget {
    Q_OBJECT
public:
    explicit SiteEnvelopeChart(QWidget* parent = nullptr);

    void SetEnvelope(const site::SiteEnvelope& envelope, const site::SiteLoads& loads);
    const site::SiteEnvelope& Envelope() const { return envelope_; }

    QSize sizeHint() const override { return {640, 420}; }
    QSize minimumSizeHint() const override { return {360, 260}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    site::SiteEnvelope envelope_;
    site::SiteLoads loads_;
};

} // namespace zul
