#pragma once

#include "plan/nightplan.h"
#include "sky/reservecurve.h"

#include <QWidget>

// Draws a night's curves to the widget's size: day, the three twilights and night shaded from the
// Sun's altitude, the session span, the minimum elevation, the curves and the object's visible
// spans; with an object's contrast reserve, its curve against a second scale on the right, over
// the bands of the verdicts. Under night vision every colour is a shade of red.
class NightChart : public QWidget {
    Q_OBJECT

public:
    explicit NightChart(QWidget *parent = nullptr);

    // No reserve: no second scale.
    void setCurves(NightCurves curves, std::vector<ReservePoint> reserve = {});

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPointF toPixels(double atDays, double altDeg) const;
    double reserveToPixelsY(double logReserve) const;
    QRectF plotArea() const;
    void drawTwilight(QPainter &painter) const;
    void drawSpans(QPainter &painter) const;
    void drawCurve(QPainter &painter, const std::vector<CurvePoint> &curve, const QColor &colour, qreal widthPx) const;
    void drawAxes(QPainter &painter) const;
    void drawMinimumElevation(QPainter &painter) const;
    void drawLegend(QPainter &painter) const;
    void drawVerdictBands(QPainter &painter) const;
    void drawReserve(QPainter &painter) const;

    NightCurves m_curves;
    std::vector<ReservePoint> m_reserve;
};
