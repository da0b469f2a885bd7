#include "astro/siderealtime.h"
#include "night/angles.h"
#include "night/ephemeris.h"
#include "night/horizonprofilefile.h"
#include "night/moonphase.h"
#include "night/nightevents.h"
#include "night/visibility.h"

#include <QDate>
#include <QDateTime>
#include <QPointF>
#include <QTest>
#include <QTime>

#include <algorithm>
#include <functional>

// The night's Sun and Moon events against almanac tables, and against a second-by-second scan
// of the altitude for the events no table gives.

namespace {

constexpr double MinuteDays = 1.0 / 1440.0;
constexpr double SecondDays = 1.0 / 86400.0;

struct SunEvent {
    const char *name;
    std::optional<double> NightEvents::*instant;
    double levelDeg;
    bool ascending;
};

const SunEvent SunEvents[] = {
    {"sunset", &NightEvents::sunset, SunsetAltitudeDeg, false},
    {"civilDusk", &NightEvents::civilDusk, CivilTwilightAltitudeDeg, false},
    {"nauticalDusk", &NightEvents::nauticalDusk, NauticalTwilightAltitudeDeg, false},
    {"astronomicalDusk", &NightEvents::astronomicalDusk, AstronomicalTwilightAltitudeDeg, false},
    {"astronomicalDawn", &NightEvents::astronomicalDawn, AstronomicalTwilightAltitudeDeg, true},
    {"nauticalDawn", &NightEvents::nauticalDawn, NauticalTwilightAltitudeDeg, true},
    {"civilDawn", &NightEvents::civilDawn, CivilTwilightAltitudeDeg, true},
    {"sunrise", &NightEvents::sunrise, SunsetAltitudeDeg, true},
};

// Days since J2000.0, 2000 January 1 at 12:00 UTC.
double daysAt(const QDateTime &utc)
{
    return QDateTime(QDate(2000, 1, 1), QTime(12, 0), Qt::UTC).msecsTo(utc) / 86400000.0;
}

// A clock time within the night: evening times fall on its date, morning times on the next.
double instantOfClock(const TimeSpan &night, const QString &clock)
{
    const int minutes = QTime::fromString(clock, "hh:mm").msecsSinceStartOfDay() / 60000;
    return night.startDays + ((minutes + 720) % 1440) * MinuteDays;
}

std::vector<double> instantsOf(const NightEvents &events, const QString &name)
{
    if (name.startsWith("moon"))
        return name == "moonrise" ? events.moonrises : events.moonsets;
    const SunEvent *event = std::find_if(std::begin(SunEvents), std::end(SunEvents),
                                         [&](const SunEvent &sunEvent) { return name == sunEvent.name; });
    const std::optional<double> &instant = events.*(event->instant);
    return instant ? std::vector<double>{*instant} : std::vector<double>{};
}

void compareInstants(const std::vector<double> &actual, const std::vector<double> &expected,
                     double toleranceDays, const QString &what)
{
    QVERIFY2(actual.size() == expected.size(), qPrintable(what + ": wrong number of events"));
    for (std::size_t index = 0; index < expected.size(); ++index) {
        const double minutesOff = (actual[index] - expected[index]) / MinuteDays;
        QVERIFY2(qAbs(actual[index] - expected[index]) <= toleranceDays,
                 qPrintable(what + QString(" off by %1 min").arg(minutesOff, 0, 'f', 2)));
    }
}

// "sunset 18:33; moonrise 12:16 11:48; sunrise -; illumination 15": local clock times, "-"
// for an event that does not happen, the illumination in percent.
void checkPublished(const NightEvents &events, const QString &published)
{
    for (const QString &item : published.split(';', Qt::SkipEmptyParts)) {
        QStringList words = item.split(' ', Qt::SkipEmptyParts);
        const QString name = words.takeFirst();
        if (name == "illumination") {
            QVERIFY2(qAbs(events.moonIlluminationPercent - words.first().toInt()) <= 1,
                     qPrintable(QString::number(events.moonIlluminationPercent)));
            continue;
        }
        std::vector<double> expected;
        for (const QString &clock : words) {
            if (clock != "-")
                expected.push_back(instantOfClock(events.night, clock));
        }
        compareInstants(instantsOf(events, name), expected, (name.startsWith("moon") ? 2 : 1) * MinuteDays, name);
    }
}

std::vector<double> everySecond(const std::function<double(double)> &altitudeDeg, const TimeSpan &span)
{
    std::vector<double> altitudesDeg;
    for (int second = 0; second <= 86400; ++second)
        altitudesDeg.push_back(altitudeDeg(span.startDays + second * SecondDays));
    return altitudesDeg;
}

// The crossings of the level in one direction, found by stepping through the night a second at
// a time: a search that shares nothing with the turning points and bisection of nightEvents.
std::vector<double> scannedCrossings(const std::vector<double> &altitudesDeg, const TimeSpan &span,
                                     double levelDeg, bool ascending)
{
    std::vector<double> found;
    for (std::size_t second = 1; second < altitudesDeg.size(); ++second) {
        if ((altitudesDeg[second - 1] < levelDeg) == ascending && (altitudesDeg[second] < levelDeg) != ascending)
            found.push_back(span.startDays + (second - 0.5) * SecondDays);
    }
    return found;
}

void checkAgainstScan(const NightSky &sky, const NightEvents &events)
{
    const TimeSpan &night = sky.span();
    const std::vector<double> sunDeg = everySecond([&](double days) { return sky.sunAltAz(days).Alt; }, night);
    for (const SunEvent &event : SunEvents) {
        compareInstants(instantsOf(events, event.name),
                        scannedCrossings(sunDeg, night, event.levelDeg, event.ascending), 2.0 * SecondDays, event.name);
    }
    const std::vector<double> moonDeg =
        everySecond([&](double days) { return sky.moonUpperLimbAltitudeDeg(days); }, night);
    compareInstants(events.moonrises, scannedCrossings(moonDeg, night, MoonriseUpperLimbAltitudeDeg, true),
                    2.0 * SecondDays, "moonrise");
    compareInstants(events.moonsets, scannedCrossings(moonDeg, night, MoonriseUpperLimbAltitudeDeg, false),
                    2.0 * SecondDays, "moonset");
}

constexpr double SecondsPerDay = 86400.0;
constexpr double LatDeg = 50.0;
constexpr double LonDeg = 10.0;
constexpr double SessionHours = 12.0;
// A found edge may differ from a one-second scan by the scan's own second and the search's
// half second.
constexpr double EdgeToleranceSeconds = 2.0;

struct Scan {
    std::vector<TimeSpan> spans;  // each from its first visible second to its last
    double visibleMinutes = 0.0;
    double highestAltDeg = -90.0;
};

bool isDark(double days, const std::vector<TimeSpan> &darkSpans)
{
    return std::ranges::any_of(darkSpans, [days](const TimeSpan &dark) {
        return dark.startDays <= days && days <= dark.endDays;
    });
}

// Every test of a position made afresh at each second of the session, with the list's formulas.
Scan scanEverySecond(const EquatorialPosition &object, const VisibilityQuery &query)
{
    Scan scan;
    bool wasVisible = false;
    const int seconds = qRound(query.session.lengthDays() * SecondsPerDay);
    for (int second = 0; second <= seconds; ++second) {
        const double days = query.session.startDays + second / SecondsPerDay;
        const AltAz position = getAltAz(hourAngleDeg(localSiderealTimeDeg(days, query.lonDeg), object.raDeg),
                                        object.decDeg, query.latDeg);
        const double horizonDeg = query.profile ? query.profile->altitudeDeg(position.Az) : -90.0;
        const bool visible = position.Alt >= std::max(query.minElevDeg, horizonDeg)
                             && azimuthInWindow(position.Az, query.azimuthWindow)
                             && isDark(days, query.darkSpans);
        if (visible && !wasVisible)
            scan.spans.push_back({days, days});
        if (visible) {
            scan.spans.back().endDays = days;
            scan.visibleMinutes += 1.0 / 60.0;
            scan.highestAltDeg = std::max(scan.highestAltDeg, position.Alt);
        }
        wasVisible = visible;
    }
    return scan;
}

// Every edge, the minutes in all and the highest altitude against a one-second scan.
void compareWithScan(const EquatorialPosition &object, const VisibilityQuery &query, const Visibility &found)
{
    const Scan scan = scanEverySecond(object, query);
    QCOMPARE(found.spans.size(), scan.spans.size());
    for (std::size_t i = 0; i < scan.spans.size(); ++i) {
        const double startOffBy = (found.spans[i].startDays - scan.spans[i].startDays) * SecondsPerDay;
        const double endOffBy = (found.spans[i].endDays - scan.spans[i].endDays) * SecondsPerDay;
        QVERIFY2(qAbs(startOffBy) <= EdgeToleranceSeconds && qAbs(endOffBy) <= EdgeToleranceSeconds,
                 qPrintable(QStringLiteral("span %1: %2 s, %3 s").arg(i).arg(startOffBy).arg(endOffBy)));
    }
    const double minutesTolerance = scan.spans.size() * 2 * EdgeToleranceSeconds / 60.0;
    QVERIFY2(qAbs(found.visibleMinutes - scan.visibleMinutes) <= minutesTolerance,
             qPrintable(QString::number(found.visibleMinutes)));
    QCOMPARE(found.highest.has_value(), !scan.spans.empty());
    if (found.highest)
        QVERIFY2(qAbs(found.highest->altDeg - scan.highestAltDeg) < 0.01,
                 qPrintable(QString::number(found.highest->altDeg)));
}

}  // namespace

class TestNight : public QObject {
    Q_OBJECT

private slots:
    void nights_data()
    {
        QTest::addColumn<double>("latDeg");
        QTest::addColumn<double>("lonDeg");
        QTest::addColumn<double>("gmtDeviationHours");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("published");

        // USNO, "Rise and Set for the Sun / for the Moon for 2023", Fredonia AZ (W112 31, N36 57),
        // zone 7 h west. Its twilights come from the scan.
        QTest::newRow("Fredonia, an ordinary night") << 36.95 << -112.5167 << -7.0 << QDate(2023, 3, 10)
            << "sunset 18:33; sunrise 06:47; moonrise 21:55; moonset 08:52";
        // USNO, "Nautical Twilight" and "Astronomical Twilight for 2024", Hartford CT, zone 5 h west:
        // the dawns of 21 June end the night of the 20th.
        QTest::newRow("Hartford, dawns") << 41.76 << -72.69 << -5.0 << QDate(2024, 6, 20)
            << "astronomicalDawn 02:05; nauticalDawn 02:58";
        QTest::newRow("Hartford, dusks") << 41.76 << -72.69 << -5.0 << QDate(2024, 6, 21)
            << "nauticalDusk 20:48; astronomicalDusk 21:41";
        // ishavasya.org, "Sunrise and Sunset", New Delhi on 6 September 2025 (IST, 5.5 h east).
        // Its minutes are cut rather than rounded, which the one-minute tolerance absorbs.
        QTest::newRow("New Delhi, dawns") << 28.6139 << 77.2090 << 5.5 << QDate(2025, 9, 5)
            << "astronomicalDawn 04:41; nauticalDawn 05:09; civilDawn 05:37; sunrise 06:01";
        QTest::newRow("New Delhi, dusks") << 28.6139 << 77.2090 << 5.5 << QDate(2025, 9, 6)
            << "sunset 18:36; civilDusk 19:00; nauticalDusk 19:28; astronomicalDusk 19:57";
        // USNO, "Sun and Moon Data for One Day", Auckland on 24 July 2026 (NZST, 12 h east).
        QTest::newRow("Auckland, across the date line") << -36.8485 << 174.7633 << 12.0 << QDate(2026, 7, 24)
            << "sunset 17:29; civilDusk 17:57";
        // USNO, "Rise and Set for the Moon for 2023", latitude 70 N on the prime meridian, UT: the
        // Moon rises at 12:16 on 20 December and again at 11:48 on the 21st. The Sun stays down:
        // at noon it is 90 - 70 - 23.4 = 3.4 degrees below the horizon.
        QTest::newRow("70 N, polar night, two moonrises") << 70.0 << 0.0 << 0.0 << QDate(2023, 12, 20)
            << "moonrise 12:16 11:48; moonset 02:03; sunset -; sunrise -";
        // Tromsø's polar night runs from about 26 November to 15 January and its midnight sun from
        // about 18 May to 26 July; in the second the Sun's lowest is 90 - 69.65 - 23.4 = 3 degrees up.
        QTest::newRow("Tromsø, polar night") << 69.65 << 18.96 << 1.0 << QDate(2023, 12, 15) << "sunset -; sunrise -";
        QTest::newRow("Tromsø, midnight sun") << 69.65 << 18.96 << 2.0 << QDate(2023, 6, 21)
            << "sunset -; civilDusk -; nauticalDusk -; astronomicalDusk -;"
               "astronomicalDawn -; nauticalDawn -; civilDawn -; sunrise -";
        // At 55 N the midsummer Sun sinks to 90 - 55 - 23.44 = 11.6 degrees below the horizon only.
        QTest::newRow("55 N, never dark") << 55.0 << -1.6 << 1.0 << QDate(2024, 6, 20)
            << "nauticalDusk -; astronomicalDusk -; astronomicalDawn -; nauticalDawn -";
        // Scan only: the Sun dips below -18 degrees for some seven minutes around 00:00.
        QTest::newRow("48.56 N, dark for minutes") << 48.56 << 0.0 << 0.0 << QDate(2024, 6, 20) << "";
        QTest::newRow("the equator, scan only") << 0.0 << -78.5 << -5.0 << QDate(2024, 3, 20) << "";
        // USNO, "Fraction of the Moon Illuminated" for 2018 at midnight, zone 5 h west: 0.15 on
        // 13 September.
        QTest::newRow("US Eastern, crescent") << 40.0 << -75.0 << -5.0 << QDate(2018, 9, 12) << "illumination 15";
    }

    void nights()
    {
        QFETCH(double, latDeg);
        QFETCH(double, lonDeg);
        QFETCH(double, gmtDeviationHours);
        QFETCH(QDate, date);
        QFETCH(QString, published);

        const NightSky sky({latDeg, lonDeg}, nightOf({date.year(), date.month(), date.day()}, gmtDeviationHours));
        const NightEvents events = nightEvents(sky);
        checkPublished(events, published);
        checkAgainstScan(sky, events);
    }

    // USNO's Fredonia 2023 table again, from local midnight of 11 March to that of the 13th.
    void sunBelowSpansSeveralNights()
    {
        const Site fredonia{36.95, -112.5167};
        const TimeSpan span{daysSinceJ2000({2023, 3, 11}, {0, 0, 0}, -7.0), daysSinceJ2000({2023, 3, 13}, {0, 0, 0}, -7.0)};
        const auto at = [](int day, int hour, int minute) { return daysSinceJ2000({2023, 3, day}, {hour, minute, 0}, -7.0); };

        const std::vector<TimeSpan> spans = sunBelow(fredonia, span, SunsetAltitudeDeg);
        QCOMPARE(spans.size(), std::size_t(3));
        compareInstants({spans[0].startDays, spans[0].endDays, spans[1].startDays, spans[1].endDays,
                         spans[2].startDays, spans[2].endDays},
                        {span.startDays, at(11, 6, 47), at(11, 18, 34), at(12, 6, 46), at(12, 18, 35), span.endDays},
                        MinuteDays, "sun below the horizon");
    }

    void interpolatedPlacesMatchFullComputation()
    {
        const auto withinArcsecond = [](const AltAz &a, const AltAz &b) {
            return qAbs(a.Alt - b.Alt) < 1.0 / 3600.0 && qAbs(a.Az - b.Az) < 1.0 / 3600.0;
        };
        for (const Site &site : {Site{36.95, -112.5167}, Site{-69.0, 150.0}}) {
            const NightSky sky(site, nightOf({2025, 11, 4}, 10.0));
            for (double days = sky.span().startDays; days <= sky.span().endDays; days += 0.125) {
                QVERIFY(withinArcsecond(sky.sunAltAz(days), sunAltAz(days, site)));
                QVERIFY(withinArcsecond(sky.moonAltAz(days), moonAltAz(days, site)));
                QVERIFY(qAbs(sky.moonUpperLimbAltitudeDeg(days) - moonUpperLimbAltitudeDeg(days, site)) < 1.0 / 3600.0);
            }
        }
    }

    // Meeus, Astronomical Algorithms, example 48.a: k = 0.6786 on 1992 April 12 at 0h TD, which
    // is 69.184 s before 0h UTC as TT is counted here.
    void illuminatedFractionOfMeeusExample()
    {
        const double days = daysAt(QDateTime(QDate(1992, 4, 12), QTime(0, 0), Qt::UTC)) - 69.184 * SecondDays;
        const double fraction = moonIlluminatedFraction(days);
        QVERIFY2(qAbs(fraction - 0.6786) < 0.0005, qPrintable(QString::number(fraction, 'f', 4)));
    }

    // USNO, "Phases of the Moon" 2024, UT: new 8 April 18:21, first quarter 15 April 19:13, full
    // 23 April 23:49, last quarter 1 May 11:27. A day before new the Moon is still 14 degrees short.
    void phaseName()
    {
        const std::tuple<int, int, int, int, double, const char *> phases[] = {
            {4, 8, 18, 21, 0.0, "New Moon"},         {4, 8, 18, 21, -1.0, "New Moon"},
            {4, 8, 18, 21, 3.5, "Waxing Crescent"},  {4, 15, 19, 13, 0.0, "First Quarter"},
            {4, 15, 19, 13, 4.0, "Waxing Gibbous"},  {4, 23, 23, 49, 0.0, "Full Moon"},
            {4, 23, 23, 49, 4.0, "Waning Gibbous"},  {5, 1, 11, 27, 0.0, "Last Quarter"},
            {5, 1, 11, 27, 4.0, "Waning Crescent"}};
        for (const auto &[month, day, hour, minute, daysLater, name] : phases) {
            const double days = daysAt(QDateTime(QDate(2024, month, day), QTime(hour, minute), Qt::UTC)) + daysLater;
            QCOMPARE(QString(moonPhaseName(days)), QString::fromLatin1(name));
        }
    }

    void profileFiles_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("problemLine");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QList<QPointF>>("azAltProbes");
        QTest::addColumn<QList<double>>("arcRange");  // from and to azimuth, lowest and highest altitude

        const auto problemRow = [](const char *name, const QStringList &lines, int line, const char *problem) {
            QTest::newRow(name) << lines << line << QString(problem) << QList<QPointF>{} << QList<double>{};
        };
        problemRow("azimuth too large", {"0 5", "400 10"}, 2, "the azimuth \"400\" is not between 0 and 360");
        problemRow("altitude too low", {"10 -95"}, 1, "the altitude \"-95\" is not between -90 and 90");
        problemRow("nan", {"10 nan"}, 1, "the altitude \"nan\" is not a finite number");
        problemRow("overflow", {"1e400 3"}, 1, "the azimuth \"1e400\" is not a finite number");
        problemRow("one value", {"# az alt", "", "120"}, 3,
                   "the line holds one value instead of an azimuth and an altitude");
        problemRow("decimal comma makes three values", {"10,5 3"}, 1,
                   "the line holds 3 values instead of an azimuth and an altitude");
        problemRow("only comments", {"# horizon", "; nothing else"}, 0, "there is no azimuth and altitude pair");

        const auto profileRow = [](const char *name, const QStringList &lines, const QList<QPointF> &probes,
                                   const QList<double> &arcRange = {}) {
            QTest::newRow(name) << lines << 0 << QString() << probes << arcRange;
        };
        profileRow("across north", {"350 20", "10 0", "180 5"}, {{0, 10}, {355, 15}, {360, 10}, {95, 2.5}},
                   {300, 20, 0, 20});
        profileRow("single pair", {"200 12.5"}, {{0, 12.5}, {359, 12.5}});
        profileRow("mixed separators", {"0\t10", "90, 20", "180;30", " 270 ;\t 40 "}, {{45, 15}, {315, 25}});
        profileRow("export with a heading and a wall",
                   {"# Horizon exported 2024-01-15", "; azimuth altitude", "0 10", "90 10", "90 40", "180 40"},
                   {{45, 10}, {90, 40}, {135, 40}, {270, 25}}, {90, 135, 10, 40});
        profileRow("wall at north, 360 reached from the west", {"0 5", "180 5", "360 25"},
                   {{0, 25}, {360, 25}, {90, 5}, {270, 15}}, {170, 10, 5, 25});
    }

    void profileFiles()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, problemLine);
        QFETCH(QString, problem);
        QFETCH(QList<QPointF>, azAltProbes);
        QFETCH(QList<double>, arcRange);

        const HorizonProfileReading reading = parseHorizonProfile(lines);
        QCOMPARE(reading.problem, problem);
        QCOMPARE(reading.lineNumber, problemLine);
        for (const QPointF &probe : azAltProbes)
            QVERIFY2(qAbs(reading.profile.altitudeDeg(probe.x()) - probe.y()) < 1e-9,
                     qPrintable(QString::number(probe.x())));
        if (!arcRange.isEmpty()) {
            const HorizonProfile &profile = reading.profile;
            const AltitudeRange range =
                profile.altitudeRangeDeg(profile.spotAt(arcRange[0]), profile.spotAt(arcRange[1]));
            QCOMPARE(range.minDeg, arcRange[2]);
            QCOMPARE(range.maxDeg, arcRange[3]);
        }
    }

    // Objects placed by their hour angle at the start of a twelve-hour session, 50 N, against a
    // profile with a peak, a wall, a mast and trees, an azimuth window, and dark spans.
    void visibilityMatchesScan()
    {
        const std::vector<TimeSpan> allDark{{0, SessionHours}};
        const QStringList hillsAndHouses{"0 3", "110 3", "118 28", "126 3", "200 3", "200 12", "260 12", "260 3"};
        const QStringList mastAndNorthernTrees{"20 40", "20 10", "329 10", "330 70", "331 10", "340 10", "340 40"};
        const AzimuthWindow everyAzimuth{0, 360, AzimuthWindowMode::Inclusive};
        const struct {
            double startHaDeg, decDeg, minElevDeg;
            QStringList horizon;  // none: a flat horizon
            AzimuthWindow window;
            std::vector<TimeSpan> darkHours;  // from the session start
        } cases[] = {
            {200, 20, 10, {}, everyAzimuth, allDark},  // rising
            {30, 0, 0, {}, everyAzimuth, allDark},     // setting
            {260, -5, 0, hillsAndHouses, everyAzimuth, allDark},  // behind a peak, setting behind a wall
            {0, 70, 0, {}, everyAzimuth, allDark},                // circumpolar
            {30, 70, 0, mastAndNorthernTrees, everyAzimuth, allDark},  // twice behind a mast, then the trees
            {0, -50, -5, hillsAndHouses, everyAzimuth, allDark},       // never up
            {300, 20, 0, hillsAndHouses, {150, 250, AzimuthWindowMode::Inclusive}, allDark},
            {90, 45, 10, {}, {40, 320, AzimuthWindowMode::Exclusive}, allDark},  // across north
            {30, 0, 0, {}, everyAzimuth, {{3.8, 6}, {2, 3.5}, {1, 3}}},         // dark spans cut the span
        };
        for (const auto &test : cases) {
            const HorizonProfile profile = parseHorizonProfile(test.horizon).profile;
            VisibilityQuery query;
            query.latDeg = LatDeg;
            query.lonDeg = LonDeg;
            query.session.startDays = daysSinceJ2000({2024, 1, 15}, {18, 0, 0}, 0.0);
            query.session.endDays = query.session.startDays + SessionHours / 24.0;
            query.minElevDeg = test.minElevDeg;
            query.profile = test.horizon.isEmpty() ? nullptr : &profile;
            query.azimuthWindow = test.window;
            for (const TimeSpan &hours : test.darkHours)
                query.darkSpans.push_back({query.session.startDays + hours.startDays / 24.0,
                                           query.session.startDays + hours.endDays / 24.0});
            const double raDeg = wrapDeg(localSiderealTimeDeg(query.session.startDays, LonDeg) - test.startHaDeg);
            compareWithScan({raDeg, test.decDeg}, query, objectVisibility({raDeg, test.decDeg}, query));
        }
    }

    // Objects all over a southern sky, enough to be shared among threads, come out as they do one
    // by one, and some of them are checked against a scan too.
    void catalogMatchesSingleObjects()
    {
        const HorizonProfile profile({{0, 20}, {90, 5}, {180, 25}, {180, 2}, {270, 15}});
        VisibilityQuery query;
        query.latDeg = -33.9;
        query.lonDeg = 151.2;
        query.session = {8800.3, 8800.8};
        query.profile = &profile;
        query.darkSpans = {query.session};
        std::vector<EquatorialPosition> objects;
        for (int i = 0; i < 3000; ++i)
            objects.push_back({wrapDeg(i * 137.508), i * 179.0 / 2999.0 - 89.5});

        const std::vector<Visibility> catalog = catalogVisibility(objects, query);
        QCOMPARE(catalog.size(), objects.size());
        for (std::size_t i = 0; i < objects.size(); ++i) {
            const Visibility single = objectVisibility(objects[i], query);
            QCOMPARE(catalog[i].visibleMinutes, single.visibleMinutes);
            QCOMPARE(catalog[i].spans.size(), single.spans.size());
            if (i % 250 == 0)
                compareWithScan(objects[i], query, catalog[i]);
        }
    }
};

QTEST_APPLESS_MAIN(TestNight)
#include "test_night.moc"
