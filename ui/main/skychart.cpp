#include "ui/main/skychart.h"

#include "sky/horizonprofile.h"
#include "ui/common/nightvision.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double CentreFactor = 0.9;  // the centre sits at 45 % of the box's width and height
constexpr double RadiusFactor = 0.5;  // the radius is a quarter of the box's width
constexpr int ProfileSteps = 360;  // one point a degree of azimuth

struct Colours {
    QColor background, blocked, open, horizon, labels;
};

// Under night vision the white of the open sky would dazzle: every colour is a shade of red, the
// background that of the night-vision palette, the open sky its frame colour, which is seen but
// not read and so need not be as bright as its text.
Colours coloursFor(const QPalette &palette)
{
    if (isNightVision(palette)) {
        const QColor text = palette.color(QPalette::WindowText);
        return {palette.color(QPalette::Window), QColor(40, 0, 0), palette.color(QPalette::Mid), QColor(70, 0, 0), text};
    }
    return {QColor(48, 52, 63), QColor(92, 98, 112), Qt::white, QColor(110, 84, 60), QColor(232, 232, 240)};
}

// The point of the chart at an azimuth and an altitude: the rim is the horizon, the centre the
// zenith; azimuth 0 is up and 90 to the left.
QPointF chartPoint(const QPointF &centre, double radius, double azDeg, double altDeg)
{
    const double r = radius * (90.0 - std::clamp(altDeg, 0.0, 90.0)) / 90.0;
    const double angle = (90.0 + azDeg) * std::numbers::pi / 180.0;
    return centre + QPointF(r * std::cos(angle), -r * std::sin(angle));
}

// QPainter counts angles in sixteenths of a degree, counter-clockwise from 3 o'clock; the chart
// puts azimuth 0 at the top and 90 on the left.
int sixteenthsFromThreeOClock(double azDeg)
{
    return qRound((90.0 + azDeg) * 16.0);
}

}  // namespace

AdmittedArc admittedArc(const AzimuthWindow &window)
{
    const double minAzDeg = std::clamp(window.minAzDeg, 0.0, 360.0);
    const double maxAzDeg = std::clamp(window.maxAzDeg, 0.0, 360.0);
    if (window.mode == AzimuthWindowMode::Inclusive)
        return {minAzDeg, std::max(maxAzDeg - minAzDeg, 0.0)};
    if (minAzDeg >= maxAzDeg)
        return {};
    return {maxAzDeg, 360.0 - (maxAzDeg - minAzDeg)};
}

SkyChart::SkyChart(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SkyChart::showAzimuthWindow(const std::optional<AzimuthWindow> &window, const HorizonProfile *profile)
{
    m_window = window;
    m_profile = profile ? std::optional(*profile) : std::nullopt;
    render();
}

void SkyChart::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        render();
}

void SkyChart::render()
{
    const Colours colours = coloursFor(palette());
    for (QLabel *label : findChildren<QLabel *>()) {
        QPalette labelPalette = label->palette();
        labelPalette.setColor(QPalette::WindowText, colours.labels);
        label->setPalette(labelPalette);
    }
    image = QImage(size() * devicePixelRatioF(), QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatioF());
    image.fill(colours.background);

    const QPointF centre(width() / 2.0 * CentreFactor, height() / 2.0 * CentreFactor);
    const double radius = width() / 2.0 * RadiusFactor;
    const QRectF disc(centre.x() - radius, centre.y() - radius, 2.0 * radius, 2.0 * radius);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    // Without a window the disc stays empty; the open arc is drawn over the blocked disc.
    painter.setBrush(m_window ? QBrush(colours.blocked) : Qt::NoBrush);
    painter.drawEllipse(disc);
    const AdmittedArc admitted = m_window ? admittedArc(*m_window) : AdmittedArc{0.0, 0.0};
    painter.setBrush(colours.open);
    if (admitted.spanDeg >= 360.0)
        painter.drawEllipse(disc);
    else if (admitted.spanDeg > 0.0)
        painter.drawPie(disc, sixteenthsFromThreeOClock(admitted.fromAzDeg), qRound(admitted.spanDeg * 16.0));
    if (const HorizonProfile *profile = m_profile ? &*m_profile : nullptr) {
        // The ring between the rim and the profile's altitude, azimuth by azimuth: a path fills
        // odd-even, so the skyline cuts the sky out of the disc.
        QPainterPath blocked;
        blocked.addEllipse(disc);
        QPolygonF skyline;
        for (int step = 0; step < ProfileSteps; ++step) {
            const double azDeg = 360.0 * step / ProfileSteps;
            skyline << chartPoint(centre, radius, azDeg, profile->altitudeDeg(azDeg));
        }
        blocked.addPolygon(skyline);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colours.horizon);
        painter.drawPath(blocked);
    }
    update();
}

void SkyChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (image.isNull())
        painter.fillRect(rect(), coloursFor(palette()).background);
    else
        painter.drawImage(0, 0, image);
}
