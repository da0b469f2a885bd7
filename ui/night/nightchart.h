#pragma once

#include "sky/nightcurves.h"

#include <QWidget>

#include <optional>

// What the chart of a night shows: altitude against local time.
struct NightChartScene {
    TimeSpan shown;
    double gmtDeviationHours = 0.0;
    std::vector<CurvePoint> sun;      // also shades the twilights
    std::vector<CurvePoint> moon;
    std::vector<CurvePoint> object;   // the object selected in the list, if any
    std::vector<CurvePoint> horizon;  // the profile's altitude along the object's path, if any
    std::vector<TimeSpan> visible;    // when the object is visible
    std::optional<TimeSpan> session;
    double minElevDeg = 0.0;
};

// Draws a NightChartScene to the widget's size: day, the three twilights and night shaded from the
// Sun's altitude, the session span, the minimum elevation, the curves and the object's visible
// spans. Under night vision every colour is a shade of red.
class NightChart : public QWidget {
    Q_OBJECT

public:
    explicit NightChart(QWidget *parent = nullptr);

    void setScene(NightChartScene scene);
    const NightChartScene &scene() const { return m_scene; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPointF toPixels(double atDays, double altDeg) const;
    QRectF plotArea() const;
    void drawTwilight(QPainter &painter) const;
    void drawSpans(QPainter &painter) const;
    void drawCurve(QPainter &painter, const std::vector<CurvePoint> &curve, const QColor &colour, qreal widthPx) const;
    void drawAxes(QPainter &painter) const;
    void drawLegend(QPainter &painter) const;

    NightChartScene m_scene;
};
