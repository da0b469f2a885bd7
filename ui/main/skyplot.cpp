#include "ui/main/skyplot.h"

#include <QPainter>

#include <cmath>
#include <numbers>
#include <optional>

namespace {

constexpr double Turn = 2.0 * std::numbers::pi;
constexpr double ZeroAngleSubstitute = 1e-8;
constexpr double CentreFactor = 0.9;  // the centre sits at 45 % of the box's width and height
constexpr double RadiusFactor = 0.5;  // the radius is a quarter of the box's width
const QColor Background(48, 52, 63);

double azimuthToAngle(double azDeg)
{
    double angle = azDeg / 360.0 * Turn + std::numbers::pi / 2.0;
    if (angle >= Turn)
        angle -= Turn;
    return angle == 0.0 ? ZeroAngleSubstitute : angle;
}

std::optional<double> readAzimuth(const QString &text, const QLocale &locale)
{
    bool ok = false;
    const double azDeg = locale.toDouble(text.trimmed(), &ok);
    return ok ? std::optional<double>(azDeg) : std::nullopt;
}

}  // namespace

SkyPlotAngles skyPlotAngles(double minAzDeg, double maxAzDeg, bool exclusive)
{
    SkyPlotAngles angles{azimuthToAngle(minAzDeg), azimuthToAngle(maxAzDeg)};
    if (exclusive)
        std::swap(angles.startRad, angles.endRad);
    return angles;
}

SkyPlot::SkyPlot(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SkyPlot::drawSkyPlot(const QString &minAzText, const QString &maxAzText,
                          const QString &includedCaption, const QLocale &locale)
{
    image = QImage(size() * devicePixelRatioF(), QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatioF());
    image.fill(Background);

    const double widthPx = width();
    const double heightPx = height();
    const QPointF centre(widthPx / 2.0 * CentreFactor, heightPx / 2.0 * CentreFactor);
    const double radius = widthPx / 2.0 * RadiusFactor;
    const QRectF disc(centre.x() - radius, centre.y() - radius, 2.0 * radius, 2.0 * radius);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);

    const auto minAzDeg = readAzimuth(minAzText, locale);
    const auto maxAzDeg = readAzimuth(maxAzText, locale);
    if (!minAzDeg || !maxAzDeg) {
        painter.drawEllipse(disc);
    } else {
        const SkyPlotAngles angles =
            skyPlotAngles(*minAzDeg, *maxAzDeg, includedCaption == QLatin1String("Exclusive"));
        painter.setBrush(Qt::white);
        const double spanRad = angles.endRad - angles.startRad;
        if (std::abs(spanRad) < 1e-12) {
            painter.drawEllipse(disc);  // equal ends make the whole disc
        } else {
            // QPainter counts angles in sixteenths of a degree, counter-clockwise from 3 o'clock.
            const auto sixteenths = [](double rad) {
                return qRound(rad * 180.0 / std::numbers::pi * 16.0);
            };
            painter.drawPie(disc, sixteenths(angles.startRad),
                            sixteenths(spanRad < 0.0 ? spanRad + Turn : spanRad));
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
