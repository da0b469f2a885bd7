#include "ui/year/yearmapimage.h"

#include "sky/verdict.h"
#include "ui/common/nightvision.h"
#include "ui/common/verdictcolour.h"

#include <QFontMetrics>
#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <array>

namespace {

constexpr int MarginLeftPx = 44;   // the hours
constexpr int MarginTopPx = 14;    // the Moons
constexpr int MarginBottomPx = 20; // the months
constexpr int MarginRightPx = 64;  // the scale of altitudes
constexpr int VerdictMarginRightPx = 96;  // the verdicts' words are wider
constexpr int ScaleWidthPx = 12;
constexpr int MoonRadiusPx = 4;
constexpr double HighestDeg = 90.0;

QRect plotRect(QSize size, const YearMap &map)
{
    const int marginRightPx = map.judged() ? VerdictMarginRightPx : MarginRightPx;
    return QRect(QPoint(MarginLeftPx, MarginTopPx), size).adjusted(0, 0, -MarginLeftPx - marginRightPx,
                                                                   -MarginTopPx - MarginBottomPx);
}

struct Colours {
    QColor light, dark, text, grid;
};

Colours coloursFor(const QPalette &palette)
{
    if (isNightVision(palette))
        return {QColor(45, 0, 0), Qt::black, palette.color(QPalette::WindowText), palette.color(QPalette::Mid)};
    return {QColor(150, 170, 200), QColor(20, 24, 50), palette.color(QPalette::WindowText), QColor(90, 95, 110)};
}

// Low in the sky dim, high bright: blue to yellow, or dark red to red in night vision.
QColor altitudeColour(double altitudeDeg, bool nightVision)
{
    const double share = std::clamp(altitudeDeg / HighestDeg, 0.0, 1.0);
    if (nightVision)
        return QColor(int(90 + 165 * share), 0, 0);
    return QColor::fromHsv(int(230 - 170 * share), 200, int(150 + 105 * share));
}

std::array<QRgb, VerdictBands.size()> verdictColours(const QPalette &palette)
{
    std::array<QRgb, VerdictBands.size()> colours;
    for (std::size_t band = 0; band < colours.size(); ++band)
        colours[band] = verdictBandColour(band, palette).rgb();
    return colours;
}

// One pixel a cell, scaled to the plot when drawn: a visible cell by its verdict where the
// telescope judged it, else by the object's altitude.
QImage cellImage(const YearMap &map, const Colours &colours, const QPalette &palette)
{
    const bool nightVision = isNightVision(palette);
    const std::array<QRgb, VerdictBands.size()> verdicts = verdictColours(palette);
    QImage image(int(map.nights.size()), YearMap::CellsPerNight, QImage::Format_RGB32);
    for (std::size_t night = 0; night < map.nights.size(); ++night) {
        for (int index = 0; index < YearMap::CellsPerNight; ++index) {
            const YearMapCell &cell = map.cell(night, index);
            const QRgb colour = !std::isnan(cell.logReserve)  ? verdicts[std::size_t(&verdictBand(cell.logReserve) - VerdictBands.data())]
                                : !std::isnan(cell.altitudeDeg) ? altitudeColour(cell.altitudeDeg, nightVision).rgb()
                                : cell.dark                     ? colours.dark.rgb()
                                                                : colours.light.rgb();
            image.setPixel(int(night), index, colour);
        }
    }
    return image;
}

int nightX(const QRect &plot, std::size_t night, std::size_t nightCount)
{
    return plot.left() + int(double(night) * plot.width() / double(nightCount));
}

void drawHours(QPainter &painter, const QRect &plot, const Colours &colours)
{
    const QFontMetrics metrics(painter.font());
    for (int hour = 0; hour <= YearMap::Hours; hour += 2) {
        const int y = plot.top() + hour * plot.height() / YearMap::Hours;
        painter.setPen(colours.grid);
        painter.drawLine(plot.left() - 3, y, plot.left(), y);
        painter.setPen(colours.text);
        const QString label = QStringLiteral("%1:00").arg((YearMap::EveningHour + hour) % 24, 2, 10, QLatin1Char('0'));
        painter.drawText(QRect(0, y - metrics.height() / 2, plot.left() - 5, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, label);
    }
}

void drawMonths(QPainter &painter, const QRect &plot, const YearMap &map, const Colours &colours)
{
    const QLocale locale;
    for (std::size_t night = 0; night < map.nights.size(); ++night) {
        const CalendarDate &date = map.nights[night].date;
        if (date.day != 1)
            continue;
        const int x = nightX(plot, night, map.nights.size());
        painter.setPen(colours.grid);
        painter.drawLine(x, plot.bottom() + 1, x, plot.bottom() + 4);
        painter.setPen(colours.text);
        painter.drawText(QPoint(x + 2, plot.bottom() + MarginBottomPx - 4),
                         locale.standaloneMonthName(date.month, QLocale::ShortFormat));
    }
}

// A full Moon a filled disk, a new Moon a ring.
void drawMoons(QPainter &painter, const QRect &plot, const YearMap &map, const Colours &colours)
{
    painter.setPen(colours.text);
    for (std::size_t night = 0; night < map.nights.size(); ++night) {
        const MoonMark mark = map.nights[night].moon;
        if (mark == MoonMark::None)
            continue;
        painter.setBrush(mark == MoonMark::Full ? QBrush(colours.text) : QBrush(Qt::NoBrush));
        const QPoint centre(nightX(plot, night, map.nights.size()), plot.top() - MoonRadiusPx - 2);
        painter.drawEllipse(centre, MoonRadiusPx, MoonRadiusPx);
    }
    painter.setBrush(Qt::NoBrush);
}

QRect scaleBar(const QRect &plot)
{
    return QRect(plot.right() + 10, plot.top(), ScaleWidthPx, plot.height());
}

void drawAltitudeScale(QPainter &painter, const QRect &plot, const Colours &colours, bool nightVision)
{
    const QRect bar = scaleBar(plot);
    for (int y = bar.top(); y <= bar.bottom(); ++y) {
        painter.setPen(altitudeColour(HighestDeg * (bar.bottom() - y) / bar.height(), nightVision));
        painter.drawLine(bar.left(), y, bar.right(), y);
    }
    painter.setPen(colours.text);
    const QFontMetrics metrics(painter.font());
    for (int altitudeDeg = 0; altitudeDeg <= int(HighestDeg); altitudeDeg += 30) {
        const int y = bar.bottom() - int(altitudeDeg * bar.height() / HighestDeg);
        painter.drawText(QPoint(bar.right() + 4, y + metrics.ascent() / 2), QStringLiteral("%1°").arg(altitudeDeg));
    }
    painter.drawText(QPoint(bar.left(), plot.bottom() + MarginBottomPx - 4), QStringLiteral("Altitude"));
}

// The verdicts from the faintest (foot) to the easiest (top), each band as tall and named beside.
void drawVerdictScale(QPainter &painter, const QRect &plot, const Colours &colours, const QPalette &palette)
{
    const QRect bar = scaleBar(plot);
    const QFontMetrics metrics(painter.font());
    const int bandCount = int(VerdictBands.size());
    for (int band = 0; band < bandCount; ++band) {
        const int top = bar.top() + (bandCount - 1 - band) * bar.height() / bandCount;
        const int bottom = bar.top() + (bandCount - band) * bar.height() / bandCount;
        painter.fillRect(QRect(bar.left(), top, bar.width(), bottom - top), verdictBandColour(std::size_t(band), palette));
        painter.setPen(colours.text);
        painter.drawText(QPoint(bar.right() + 4, (top + bottom + metrics.ascent()) / 2),
                         QString::fromUtf8(VerdictBands[std::size_t(band)].word));
    }
    painter.drawText(QPoint(bar.left(), plot.bottom() + MarginBottomPx - 4), QStringLiteral("Verdict"));
}

}  // namespace

QImage drawYearMap(const YearMap &map, QSize size, const QPalette &palette, const QFont &font)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(palette.color(QPalette::Window));
    const QRect plot = plotRect(size, map);
    if (map.nights.empty() || plot.width() <= 0 || plot.height() <= 0)
        return image;
    const Colours colours = coloursFor(palette);
    const bool nightVision = isNightVision(palette);
    QPainter painter(&image);
    painter.setFont(font);
    painter.drawImage(plot, cellImage(map, colours, palette));
    painter.setPen(colours.grid);
    painter.drawRect(plot.adjusted(-1, -1, 0, 0));
    drawHours(painter, plot, colours);
    drawMonths(painter, plot, map, colours);
    drawMoons(painter, plot, map, colours);
    if (map.judged())
        drawVerdictScale(painter, plot, colours, palette);
    else
        drawAltitudeScale(painter, plot, colours, nightVision);
    return image;
}

std::optional<std::size_t> yearMapNightAt(QPoint point, QSize size, const YearMap &map)
{
    const std::size_t nightCount = map.nights.size();
    const QRect plot = plotRect(size, map);
    if (nightCount == 0 || !plot.contains(point))
        return std::nullopt;
    return std::min(nightCount - 1, std::size_t(double(point.x() - plot.left()) * double(nightCount) / plot.width()));
}
