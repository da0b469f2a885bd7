#include "plan/listgeneration.h"

#include "plan/coordinateformat.h"
#include "plan/listgrid.h"
#include "sky/vectorstate.h"
#include "sky/horizonprofile.h"

#include <charconv>
#include <cmath>
#include <optional>

const QString ResultsLayout = QStringLiteral(
    "<Identifier       |<M#      |<Type                   |<Size|<Alt     |<Az       "
    "|<Ra         |<Dec    |<hrs to Transit|<Mag |<Constellation       ");

namespace {

// The texts of the catalog file always use "." as the decimal point. Sizes and magnitudes
// are read at every list generation, so this reads the plain ASCII form directly.
std::optional<double> catalogNumber(QStringView text)
{
    text = text.trimmed();
    if (text.startsWith(u'+'))
        text = text.mid(1);
    char ascii[32];
    if (text.isEmpty() || text.size() >= qsizetype(sizeof ascii))
        return std::nullopt;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c > 0x7f)
            return std::nullopt;
        ascii[i] = char(c);
    }
    double value = 0.0;
    const char *end = ascii + text.size();
    const auto [stop, error] = std::from_chars(ascii, end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool passesSizeAndMagnitude(const CatalogObject &object, const SessionInputs &inputs)
{
    const auto size = catalogNumber(object.Size);
    const auto mag = catalogNumber(object.Mag);
    return size && mag && *size >= inputs.minSizeArcmin && *size <= inputs.maxSizeArcmin
           && *mag <= inputs.faintestMag;
}

// Rows are built once, top first: the listed object with the highest index stands in row 1.
bool clearsProfile(const ObjectPlacement &placement, const HorizonProfile &profile)
{
    return placement.start.Alt >= profile.altitudeDeg(placement.start.Az)
           && placement.end.Alt >= profile.altitudeDeg(placement.end.Az);
}

void fillResultsGrid(std::span<const CatalogObject> catalog, int resultCount, ListGrid &grid,
                     const QLocale &locale)
{
    const LocaleNumbers numbers(locale);
    QStringList rows;
    rows.reserve(resultCount);
    for (auto object = catalog.rbegin(); object != catalog.rend(); ++object) {
        if (object->Listed)
            rows.append(ResultRow(*object, numbers));
    }
    grid.showRows(std::move(rows));
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
                   const SessionInputs &inputs, const HorizonProfile *profile)
{
    return passesAzimuthTest(placement.start, placement.end, inputs.azimuthWindow())
           && passesElevationTest(placement.start, placement.end, inputs.minElevDeg)
           && (!profile || clearsProfile(placement, *profile))
           && passesSizeAndMagnitude(object, inputs) && passesTypeFilter(object.ObjType, inputs.types);
}

// Built in place: a list of the whole sky writes fourteen thousand of these at every keystroke.
QString ResultRow(const CatalogObject &object, const LocaleNumbers &numbers)
{
    constexpr qsizetype NumberCharacters = 40;
    const QChar tab(u'\t');
    QString row;
    row.reserve(object.Identifier.size() + object.Messier.size() + object.ObjType.size() + object.Size.size()
                + object.Mag.size() + object.Constellation.size() + NumberCharacters);
    for (const QString *text : {&object.Identifier, &object.Messier, &object.ObjType, &object.Size}) {
        row += *text;
        row += tab;
    }
    numbers.appendFixed(row, object.Alt, 2);
    row += tab;
    numbers.appendFixed(row, object.Az, 2);
    row += tab;
    appendRA(row, object.RA, numbers);
    row += tab;
    appendDec(row, object.Dec, numbers);
    row += tab;
    numbers.appendFixed(row, object.HrsToTransit, 2);
    row += tab;
    row += object.Mag;
    row += tab;
    row += object.Constellation;
    row += tab;
    return row;
}

int generateList(const SessionInputs &inputs, std::span<CatalogObject> catalog, ListGrid &grid,
                 const QLocale &locale, const HorizonProfile *profile)
{
    grid.resetList(ResultsLayout);

    // Every object sees the same instant, so the sidereal time is worked out once.
    const double localSiderealDeg =
        getSiderealTime(inputs.date, inputs.startTime, inputs.gmtDeviationHours, inputs.lonDeg);

    int resultCount = 0;
    for (CatalogObject &object : catalog) {
        clearUpperVectorState();  // the type test's text search leaves them in use
        const ObjectPlacement placement = placeObject(localSiderealDeg, object.RA, object.Dec,
                                                      inputs.latDeg, inputs.sessionLengthHours);
        object.Alt = placement.start.Alt;
        object.Az = placement.start.Az;
        object.HrsToTransit = placement.hoursToTransit;
        object.Listed = passesFilters(object, placement, inputs, profile);
        if (object.Listed)
            ++resultCount;
    }
    fillResultsGrid(catalog, resultCount, grid, locale);
    return resultCount;
}

ListOutcome generateList(const SessionParameters &parameters, std::span<CatalogObject> catalog,
                         ListGrid &grid, const QLocale &locale, const HorizonProfile *profile)
{
    const SessionReading reading = readSessionInputs(parameters, locale);
    if (!reading.ok()) {
        grid.resetList(ResultsLayout);
        for (CatalogObject &object : catalog)
            object.Listed = false;
        return ListOutcome{0, reading.problems, {}};
    }
    return ListOutcome{generateList(reading.inputs, catalog, grid, locale, profile), {}, reading.inputs};
}
