#include "ui/main/skyplot.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr double CentreFactor = 0.9;  // the centre sits at 45 % of the box's width and height
constexpr double RadiusFactor = 0.5;  // the radius is a quarter of the box's width
const QColor Background(48, 52, 63);
const QColor BlockedSky(92, 98, 112);
const QColor OpenSky(Qt::white);

// QPainter counts angles in sixteenths of a degree, counter-clockwise from 3 o'clock; the chart
// puts azimuth 0 at the top and 90 on the left.
int sixteenthsFromThreeOClock(double azDeg)
{
    return qRound((90.0 + azDeg) * 16.0);
}

}  // namespace

AdmittedAzimuths admittedAzimuths(const AzimuthWindow &window)
{
    const double minAzDeg = std::clamp(window.minAzDeg, 0.0, 360.0);
    const double maxAzDeg = std::clamp(window.maxAzDeg, 0.0, 360.0);
    using Kind = AdmittedAzimuths::Kind;
    if (window.mode == AzimuthWindowMode::Inclusive) {
        if (maxAzDeg <= minAzDeg)
            return {Kind::None};
        if (minAzDeg == 0.0 && maxAzDeg == 360.0)
            return {Kind::All};
        return {Kind::Arc, minAzDeg, maxAzDeg - minAzDeg};
    }
    if (minAzDeg >= maxAzDeg)
        return {Kind::All};
    if (minAzDeg == 0.0 && maxAzDeg == 360.0)
        return {Kind::None};
    return {Kind::Arc, maxAzDeg, 360.0 - maxAzDeg + minAzDeg};
}

SkyPlot::SkyPlot(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SkyPlot::drawSkyPlot(const std::optional<AzimuthWindow> &window)
{
    image = QImage(size() * devicePixelRatioF(), QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatioF());
    image.fill(Background);

    const QPointF centre(width() / 2.0 * CentreFactor, height() / 2.0 * CentreFactor);
    const double radius = width() / 2.0 * RadiusFactor;
    const QRectF disc(centre.x() - radius, centre.y() - radius, 2.0 * radius, 2.0 * radius);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    if (!window) {
        painter.drawEllipse(disc);
    } else {
        const AdmittedAzimuths admitted = admittedAzimuths(*window);
        painter.setBrush(admitted.kind == AdmittedAzimuths::Kind::All ? OpenSky : BlockedSky);
        painter.drawEllipse(disc);
        if (admitted.kind == AdmittedAzimuths::Kind::Arc) {
            painter.setBrush(OpenSky);
            painter.drawPie(disc, sixteenthsFromThreeOClock(admitted.fromAzDeg), qRound(admitted.spanDeg * 16.0));
        }
    }
    update();
}

void SkyPlot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (image.isNull())
        painter.fillRect(rect(), Background);
    else
        painter.drawImage(0, 0, image);
}
