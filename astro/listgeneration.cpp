#include "astro/listgeneration.h"

#include "astro/coordinateformat.h"
#include "astro/listgrid.h"

#include <optional>

const QString ResultsLayout = QStringLiteral(
    "<Identifier       |<M#      |<Type                   |<Size|<Alt     |<Az       "
    "|<Ra         |<Dec    |<hrs to Transit|<Mag |<Constellation       ");

namespace {

// The texts of the catalog file always use "." as the decimal point.
std::optional<double> catalogNumber(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

bool passesSizeAndMagnitude(const CatalogObject &object, const SessionInputs &inputs)
{
    const auto size = catalogNumber(object.Size);
    const auto mag = catalogNumber(object.Mag);
    return size && mag && *size >= inputs.minSizeArcmin && *size <= inputs.maxSizeArcmin
           && *mag <= inputs.faintestMag;
}

void fillResultsGrid(std::span<const CatalogObject> catalog, ListGrid &grid, const QLocale &locale)
{
    for (const CatalogObject &object : catalog) {
        if (object.Listed)
            grid.AddItem(ResultRow(object, locale), 1);
    }
}

}  // namespace

ObjectPlacement placeObject(double localSiderealDeg, double raDeg, double decDeg, double latDeg,
                            double sessionLengthHours)
{
    const double startHaDeg = hourAngleDeg(localSiderealDeg, raDeg);
    const double endHaDeg = sessionEndHourAngleDeg(startHaDeg, sessionLengthHours);
    return ObjectPlacement{getAltAz(startHaDeg, decDeg, latDeg), getAltAz(endHaDeg, decDeg, latDeg),
                           hoursToTransit(startHaDeg)};
}

bool passesFilters(const CatalogObject &object, const ObjectPlacement &placement,
                   const SessionInputs &inputs)
{
    return passesAzimuthTest(placement.start, placement.end, inputs.azimuthWindow)
           && passesElevationTest(placement.start, placement.end, inputs.minElevDeg)
           && passesSizeAndMagnitude(object, inputs) && passesTypeFilter(object.ObjType, inputs.types);
}

QString ResultRow(const CatalogObject &object, const QLocale &locale)
{
    const QChar tab(u'\t');
    QString row;
    row.reserve(96);
    row += object.Identifier + tab + object.Messier + tab + object.ObjType + tab + object.Size + tab
           + formatTwoDecimals(object.Alt, locale) + tab + formatTwoDecimals(object.Az, locale) + tab
           + formatRA(object.RA, locale) + tab + formatDec(object.Dec, locale) + tab
           + formatTwoDecimals(object.HrsToTransit, locale) + tab + object.Mag + tab
           + object.Constellation + tab;
    return row;
}

void resetResultsGrid(ListGrid &grid)
{
    grid.Clear();
    grid.setRows(1);
    grid.setFormatString(ResultsLayout);
}

qint16 generateList(const SessionInputs &inputs, std::span<CatalogObject> catalog, ListGrid &grid,
                    const QLocale &locale)
{
    resetResultsGrid(grid);

    // Every object sees the same instant, so the sidereal time is worked out once.
    const double localSiderealDeg =
        getSiderealTime(inputs.date, inputs.startTime, inputs.gmtDeviationHours, inputs.lonDeg);

    qint16 resultCount = 0;
    for (CatalogObject &object : catalog) {
        const ObjectPlacement placement = placeObject(localSiderealDeg, object.RA, object.Dec,
                                                      inputs.latDeg, inputs.sessionLengthHours);
        object.Alt = placement.start.Alt;
        object.Az = placement.start.Az;
        object.HrsToTransit = placement.hoursToTransit;
        object.Listed = passesFilters(object, placement, inputs);
        if (object.Listed)
            ++resultCount;
    }
    fillResultsGrid(catalog, grid, locale);
    return resultCount;
}

ListOutcome generateList(const SessionParameters &parameters, std::span<CatalogObject> catalog,
                         ListGrid &grid, const QLocale &locale)
{
    const SessionReading reading = readSessionInputs(parameters, locale);
    if (!reading.ok()) {
        resetResultsGrid(grid);
        for (CatalogObject &object : catalog)
            object.Listed = false;
        return ListOutcome{0, reading.unreadable};
    }
    return ListOutcome{generateList(reading.inputs, catalog, grid, locale), {}};
}
