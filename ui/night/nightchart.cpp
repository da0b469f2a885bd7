#include "ui/night/nightchart.h"

#include "plan/localtime.h"
#include "sky/verdict.h"
#include "ui/common/nightvision.h"
#include "ui/common/verdictcolour.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double LowestAltDeg = -20.0;  // below that the sky chart shows nothing worth seeing
constexpr double HighestAltDeg = 90.0;
constexpr int MarginPx = 28;
// The reserve's scale on the right: the verdicts' bands in a strip, the numbers beside it.
constexpr double LowestReserve = -1.5;
constexpr double HighestReserve = 2.0;
constexpr int ReserveMarginPx = 44;
constexpr int BandStripPx = 8;

struct Colours {
    QColor day, civil, nautical, astronomical, night, session, visible, sun, moon, object, horizon, text, grid;
};

QColor reserveColour(const QPalette &palette)
{
    return isNightVision(palette) ? QColor(255, 120, 120) : QColor(255, 150, 60);
}

// Under night vision every colour is a shade of red; the text and the grid are those of the
// night-vision palette.
Colours coloursFor(const QPalette &palette)
{
    if (isNightVision(palette))
        return {QColor(70, 0, 0), QColor(52, 0, 0), QColor(36, 0, 0), QColor(22, 0, 0), Qt::black,
                QColor(255, 40, 40, 40), QColor(255, 40, 40, 60), QColor(255, 80, 0), QColor(200, 60, 60),
                QColor(255, 0, 0), QColor(150, 30, 30), palette.color(QPalette::WindowText),
                palette.color(QPalette::Mid)};
    return {QColor(150, 190, 230), QColor(95, 125, 175), QColor(55, 75, 125), QColor(30, 40, 80), QColor(10, 12, 30),
            QColor(255, 255, 255, 40), QColor(120, 230, 120, 70), QColor(255, 200, 40), QColor(220, 220, 220),
            QColor(120, 230, 255), QColor(190, 140, 90), QColor(235, 235, 240), QColor(90, 95, 110)};
}

QColor skyColour(double sunAltDeg, const Colours &colours)
{
    if (sunAltDeg >= SunsetAltitudeDeg)
        return colours.day;
    if (sunAltDeg >= CivilTwilightAltitudeDeg)
        return colours.civil;
    if (sunAltDeg >= NauticalTwilightAltitudeDeg)
        return colours.nautical;
    if (sunAltDeg >= AstronomicalTwilightAltitudeDeg)
        return colours.astronomical;
    return colours.night;
}

}  // namespace

NightChart::NightChart(QWidget *parent)
    : QWidget(parent)
{
    setMinimumSize(320, 180);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void NightChart::setCurves(NightCurves curves, std::vector<ReservePoint> reserve)
{
    m_curves = std::move(curves);
    m_reserve = std::move(reserve);
    update();
}

QRectF NightChart::plotArea() const
{
    const int rightPx = m_reserve.empty() ? 8 : ReserveMarginPx;
    return QRectF(rect()).adjusted(MarginPx, 8, -rightPx, -MarginPx + 8);
}

double NightChart::reserveToPixelsY(double logReserve) const
{
    const QRectF area = plotArea();
    return area.bottom() - (logReserve - LowestReserve) / (HighestReserve - LowestReserve) * area.height();
}

QPointF NightChart::toPixels(double atDays, double altDeg) const
{
    const QRectF area = plotArea();
    const double x = area.left() + (atDays - m_curves.shown.startDays) / m_curves.shown.lengthDays() * area.width();
    const double y = area.bottom() - (altDeg - LowestAltDeg) / (HighestAltDeg - LowestAltDeg) * area.height();
    return {x, y};
}

void NightChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const Colours colours = coloursFor(palette());
    painter.fillRect(rect(), colours.night);
    if (m_curves.shown.lengthDays() <= 0.0)
        return;
    drawTwilight(painter);  // strips side by side, without seams between them
    painter.setRenderHint(QPainter::Antialiasing);
    drawSpans(painter);
    drawAxes(painter);
    drawMinimumElevation(painter);  // over the grid, which has a line at the first 30°
    drawCurve(painter, m_curves.sun, colours.sun, 1.5);
    drawCurve(painter, m_curves.moon, colours.moon, 1.5);
    drawCurve(painter, m_curves.horizon, colours.horizon, 1.5);
    drawCurve(painter, m_curves.object, colours.object, 2.5);
    if (!m_reserve.empty()) {
        drawVerdictBands(painter);
        drawReserve(painter);
    }
    drawLegend(painter);
}

// What each curve is, along the top of the chart: a stroke in the curve's colour, then its name
// in the text colour, which stays readable where a dim curve colour would not (night vision).
void NightChart::drawLegend(QPainter &painter) const
{
    const Colours colours = coloursFor(palette());
    std::vector<std::pair<const char *, QColor>> entries = {
        {"Sun", colours.sun}, {"Moon", colours.moon}, {"object", colours.object}, {"horizon", colours.horizon}};
    if (!m_reserve.empty())
        entries.emplace_back("reserve", reserveColour(palette()));
    const QFontMetrics metrics = painter.fontMetrics();
    constexpr qreal StrokePx = 12;
    QPointF at = plotArea().topLeft() + QPointF(6, 4);
    for (const auto &[name, colour] : entries) {
        const QString text = QString::fromLatin1(name);
        const QRectF box(at, QSizeF(StrokePx + metrics.horizontalAdvance(text) + 12, metrics.height() + 2));
        painter.fillRect(box, colours.night);  // readable over day and twilight alike
        const qreal middleY = box.center().y();
        painter.setPen(QPen(colour, 3));
        painter.drawLine(QPointF(box.left() + 3, middleY), QPointF(box.left() + 3 + StrokePx, middleY));
        painter.setPen(colours.text);
        painter.drawText(box.adjusted(StrokePx + 6, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
        at.rx() += box.width() + 8;
    }
}

// One strip per stretch between two of the Sun's samples, coloured by the Sun's altitude.
void NightChart::drawTwilight(QPainter &painter) const
{
    const Colours colours = coloursFor(palette());
    const QRectF area = plotArea();
    for (std::size_t i = 1; i < m_curves.sun.size(); ++i) {
        const CurvePoint &from = m_curves.sun[i - 1];
        const CurvePoint &to = m_curves.sun[i];
        const double left = toPixels(from.atDays, 0).x();
        const double right = toPixels(to.atDays, 0).x();
        painter.fillRect(QRectF(left, area.top(), right - left + 0.5, area.height()),
                         skyColour((from.altDeg + to.altDeg) / 2.0, colours));
    }
}

void NightChart::drawSpans(QPainter &painter) const
{
    const Colours colours = coloursFor(palette());
    const QRectF area = plotArea();
    const auto band = [&](const TimeSpan &span, const QColor &colour) {
        const double left = toPixels(span.startDays, 0).x();
        const double right = toPixels(span.endDays, 0).x();
        painter.fillRect(QRectF(left, area.top(), right - left, area.height()).intersected(area), colour);
    };
    for (const TimeSpan &span : m_curves.visible)
        band(span, colours.visible);
    if (m_curves.session) {
        band(*m_curves.session, colours.session);
        painter.setPen(QPen(colours.text, 1, Qt::DashDotLine));
        for (const double atDays : {m_curves.session->startDays, m_curves.session->endDays}) {
            const double x = toPixels(atDays, 0).x();
            painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        }
    }
}

// Wider than a grid line and in the object's colour; a level outside the chart is not drawn.
void NightChart::drawMinimumElevation(QPainter &painter) const
{
    if (m_curves.minElevDeg < LowestAltDeg || m_curves.minElevDeg > HighestAltDeg)
        return;
    const QRectF area = plotArea();
    const double y = toPixels(0, m_curves.minElevDeg).y();
    painter.setPen(QPen(coloursFor(palette()).object, 2, Qt::DashLine));
    painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
}

void NightChart::drawAxes(QPainter &painter) const
{
    const Colours colours = coloursFor(palette());
    const QRectF area = plotArea();
    painter.setPen(colours.grid);
    for (int altDeg = 0; altDeg <= 90; altDeg += 30) {
        const double y = toPixels(0, altDeg).y();
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(colours.text);
        painter.drawText(QRectF(0, y - 8, MarginPx - 4, 16), Qt::AlignRight | Qt::AlignVCenter, QString::number(altDeg));
        painter.setPen(colours.grid);
    }
    // Whole local hours along the bottom.
    const double hourDays = 1.0 / 24.0;
    const double offsetDays = m_curves.clock.startDeviationHours() / 24.0;
    const double firstHour = std::ceil((m_curves.shown.startDays + offsetDays) / hourDays) * hourDays - offsetDays;
    const int step = m_curves.shown.lengthDays() > 0.6 ? 3 : 1;
    for (double atDays = firstHour; atDays <= m_curves.shown.endDays; atDays += hourDays) {
        const QDateTime local = m_curves.clock.dateTime(atDays);  // after a change of the clocks, its new hours
        if (local.time().hour() % step != 0)
            continue;
        const double x = toPixels(atDays, 0).x();
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        painter.setPen(colours.text);
        painter.drawText(QRectF(x - 20, area.bottom() + 2, 40, MarginPx - 10), Qt::AlignHCenter | Qt::AlignTop,
                         local.toString(QStringLiteral("HH")));
        painter.setPen(colours.grid);
    }
}

void NightChart::drawCurve(QPainter &painter, const std::vector<CurvePoint> &curve, const QColor &colour,
                           qreal widthPx) const
{
    if (curve.size() < 2)
        return;
    // Altitudes below the floor leave the chart through its bottom edge, clipped, rather than
    // running along it where they would look like data.
    QPainterPath path(toPixels(curve.front().atDays, curve.front().altDeg));
    for (std::size_t i = 1; i < curve.size(); ++i)
        path.lineTo(toPixels(curve[i].atDays, curve[i].altDeg));
    painter.save();
    painter.setClipRect(plotArea());
    painter.setPen(QPen(colour, widthPx));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.restore();
}

// The verdicts' bands in a strip right of the plot, the reserve's whole numbers beside it.
void NightChart::drawVerdictBands(QPainter &painter) const
{
    const QRectF area = plotArea();
    double lowerReserve = LowestReserve;
    for (std::size_t band = 0; band < VerdictBands.size(); ++band) {
        const double upperReserve = std::min(VerdictBands[band].reserveBelow, HighestReserve);
        const double top = reserveToPixelsY(upperReserve);
        painter.fillRect(QRectF(area.right() + 2, top, BandStripPx, reserveToPixelsY(lowerReserve) - top),
                         verdictBandColour(band, palette()));
        lowerReserve = upperReserve;
    }
    painter.setPen(coloursFor(palette()).text);
    for (int reserve = int(std::ceil(LowestReserve)); reserve <= int(HighestReserve); ++reserve) {
        const double y = reserveToPixelsY(reserve);
        painter.drawText(QRectF(area.right() + BandStripPx + 4, y - 8, ReserveMarginPx - BandStripPx - 4, 16),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::number(reserve));
    }
}

// Broken where the object is below the horizon; beyond the scale it leaves the plot, clipped.
void NightChart::drawReserve(QPainter &painter) const
{
    QPainterPath path;
    bool drawing = false;
    for (const ReservePoint &point : m_reserve) {
        if (!point.logReserve) {
            drawing = false;
            continue;
        }
        const QPointF at(toPixels(point.atDays, 0).x(), reserveToPixelsY(*point.logReserve));
        drawing ? path.lineTo(at) : path.moveTo(at);
        drawing = true;
    }
    painter.save();
    painter.setClipRect(plotArea());
    painter.setPen(QPen(reserveColour(palette()), 2.0, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.restore();
}
