#include "sky/siderealtime.h"
#include "nearcompare.h"
#include "sky/angles.h"
#include "sky/ephemeris.h"
#include "formats/horizonprofilefile.h"
#include "sky/moonphase.h"
#include "sky/nightevents.h"
#include "sky/visibility.h"

#include <QPointF>
#include <QTest>
#include <QTime>

#include <algorithm>

// The night's Sun and Moon events against almanac tables, and against a second-by-second scan
// of the altitude for the events no table gives.

namespace {

constexpr double MinuteDays = 1.0 / 1440.0;
constexpr double SecondDays = 1.0 / 86400.0;
// A found edge may differ from a one-second scan by the scan's own second and the search's
// half second.
constexpr double EdgeToleranceDays = 2.0 * SecondDays;

// One kind of event of the night: the body's crossings of a level in one direction.
struct Crossing {
    const char *name;
    std::vector<double> instants;
    bool ofMoon;
    double levelDeg;
    bool ascending;
};

std::vector<Crossing> crossingsOf(const NightEvents &events)
{
    const auto sun = [](const char *name, const std::optional<double> &instant, double levelDeg, bool ascending) {
        return Crossing{name, instant ? std::vector{*instant} : std::vector<double>{}, false, levelDeg, ascending};
    };
    return {sun("sunset", events.sunset, SunsetAltitudeDeg, false),
            sun("civilDusk", events.civilDusk, CivilTwilightAltitudeDeg, false),
            sun("nauticalDusk", events.nauticalDusk, NauticalTwilightAltitudeDeg, false),
            sun("astronomicalDusk", events.astronomicalDusk, AstronomicalTwilightAltitudeDeg, false),
            sun("astronomicalDawn", events.astronomicalDawn, AstronomicalTwilightAltitudeDeg, true),
            sun("nauticalDawn", events.nauticalDawn, NauticalTwilightAltitudeDeg, true),
            sun("civilDawn", events.civilDawn, CivilTwilightAltitudeDeg, true),
            sun("sunrise", events.sunrise, SunsetAltitudeDeg, true),
            {"moonrise", events.moonrises, true, MoonriseUpperLimbAltitudeDeg, true},
            {"moonset", events.moonsets, true, MoonriseUpperLimbAltitudeDeg, false}};
}

void compareInstants(const std::vector<double> &actual, const std::vector<double> &expected,
                     double toleranceDays, const QString &what)
{
    QVERIFY2(actual.size() == expected.size(), qPrintable(what + ": wrong number of events"));
    for (std::size_t i = 0; i < expected.size(); ++i)
        QVERIFY2(qAbs(actual[i] - expected[i]) <= toleranceDays,
                 qPrintable(what + QString(" off by %1 min").arg((actual[i] - expected[i]) / MinuteDays, 0, 'f', 2)));
}

// "sunset 18:33; moonrise 12:16 11:48; sunrise -; illumination 15": local clock times, "-"
// for an event that does not happen, the illumination in percent.
void checkPublished(const NightEvents &events, const QString &published, const QString &place)
{
    const std::vector<Crossing> crossings = crossingsOf(events);
    for (const QString &item : published.split(';', Qt::SkipEmptyParts)) {
        QStringList words = item.split(' ', Qt::SkipEmptyParts);
        const QString name = words.takeFirst();
        if (name == "illumination") {
            QCOMPARE_NEAR(events.moonIlluminationPercent, words.first().toInt(), 1);
            continue;
        }
        words.removeAll("-");
        // Evening times fall on the night's date, morning times on the next.
        std::vector<double> expected;
        for (const QString &clock : words)
            expected.push_back(events.night.startDays
                               + ((QTime::fromString(clock, "hh:mm").msecsSinceStartOfDay() / 60000 + 720) % 1440) * MinuteDays);
        const auto crossing = std::ranges::find_if(crossings, [&](const Crossing &known) { return name == known.name; });
        compareInstants(crossing->instants, expected, (crossing->ofMoon ? 2 : 1) * MinuteDays, place + ", " + name);
    }
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

void checkAgainstScan(const NightSky &sky, const NightEvents &events, const QString &place)
{
    const TimeSpan &night = sky.span();
    std::vector<double> sunDeg, moonDeg;  // at each second of the night
    for (int second = 0; second <= 86400; ++second) {
        sunDeg.push_back(sky.sunAltAz(night.startDays + second * SecondDays).Alt);
        moonDeg.push_back(sky.moonUpperLimbAltitudeDeg(night.startDays + second * SecondDays));
    }
    for (const Crossing &crossing : crossingsOf(events)) {
        const std::vector<double> scanned =
            scannedCrossings(crossing.ofMoon ? moonDeg : sunDeg, night, crossing.levelDeg, crossing.ascending);
        compareInstants(crossing.instants, scanned, EdgeToleranceDays, place + ", " + crossing.name);
    }
}

struct Scan {
    std::vector<TimeSpan> spans;  // each from its first visible second to its last
    double visibleMinutes = 0.0;
    double highestAltDeg = -90.0;
};

// Every test of a position made afresh at each second of the session, with the list's formulas.
Scan scanEverySecond(const EquatorialPosition &object, const VisibilityQuery &query)
{
    Scan scan;
    bool wasVisible = false;
    for (int second = 0; second <= qRound(query.session.lengthDays() / SecondDays); ++second) {
        const double days = query.session.startDays + second * SecondDays;
        const AltAz position = getAltAz(hourAngleDeg(localSiderealTimeDeg(days, query.lonDeg), object.raDeg),
                                        object.decDeg, query.latDeg);
        const double horizonDeg = query.profile ? query.profile->altitudeDeg(position.Az) : -90.0;
        const bool visible = position.Alt >= std::max(query.minElevDeg, horizonDeg)
                             && azimuthInWindow(position.Az, query.azimuthWindow)
                             && std::ranges::any_of(query.darkSpans, [days](const TimeSpan &dark) {
                                    return dark.startDays <= days && days <= dark.endDays;
                                });
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
        QCOMPARE_NEAR(found.spans[i].startDays, scan.spans[i].startDays, EdgeToleranceDays);
        QCOMPARE_NEAR(found.spans[i].endDays, scan.spans[i].endDays, EdgeToleranceDays);
    }
    QCOMPARE_NEAR(found.visibleMinutes, scan.visibleMinutes, scan.spans.size() * 2 * EdgeToleranceDays / MinuteDays);
    QCOMPARE(found.highest.has_value(), !scan.spans.empty());
    if (found.highest)
        QCOMPARE_NEAR(found.highest->altDeg, scan.highestAltDeg, 0.01);
}

}  // namespace

class TestNight : public QObject {
    Q_OBJECT

private slots:
    void nights()
    {
        const struct {
            const char *place;
            Site site;
            double gmtDeviationHours;
            CalendarDate date;
            const char *published;
        } nights[] = {
            // USNO, "Rise and Set for the Sun / for the Moon for 2023", Fredonia AZ (W112 31, N36 57),
            // zone 7 h west. Its twilights come from the scan.
            {"Fredonia", {36.95, -112.5167}, -7.0, {2023, 3, 10},
             "sunset 18:33; sunrise 06:47; moonrise 21:55; moonset 08:52"},
            // USNO, "Nautical Twilight" and "Astronomical Twilight for 2024", Hartford CT, zone 5 h west:
            // the dawns of 21 June end the night of the 20th.
            {"Hartford, dawns", {41.76, -72.69}, -5.0, {2024, 6, 20}, "astronomicalDawn 02:05; nauticalDawn 02:58"},
            {"Hartford, dusks", {41.76, -72.69}, -5.0, {2024, 6, 21}, "nauticalDusk 20:48; astronomicalDusk 21:41"},
            // ishavasya.org, "Sunrise and Sunset", New Delhi on 6 September 2025 (IST, 5.5 h east).
            // Its minutes are cut rather than rounded, which the one-minute tolerance absorbs.
            {"New Delhi, dawns", {28.6139, 77.2090}, 5.5, {2025, 9, 5},
             "astronomicalDawn 04:41; nauticalDawn 05:09; civilDawn 05:37; sunrise 06:01"},
            {"New Delhi, dusks", {28.6139, 77.2090}, 5.5, {2025, 9, 6},
             "sunset 18:36; civilDusk 19:00; nauticalDusk 19:28; astronomicalDusk 19:57"},
            // USNO, "Sun and Moon Data for One Day", Auckland on 24 July 2026 (NZST, 12 h east).
            {"Auckland, across the date line", {-36.8485, 174.7633}, 12.0, {2026, 7, 24}, "sunset 17:29; civilDusk 17:57"},
            // USNO, "Rise and Set for the Moon for 2023", latitude 70 N on the prime meridian, UT: the
            // Moon rises at 12:16 on 20 December and again at 11:48 on the 21st. The Sun stays down:
            // at noon it is 90 - 70 - 23.4 = 3.4 degrees below the horizon.
            {"70 N, polar night, two moonrises", {70.0, 0.0}, 0.0, {2023, 12, 20},
             "moonrise 12:16 11:48; moonset 02:03; sunset -; sunrise -"},
            // Tromsø's midnight sun runs from about 18 May to 26 July; the Sun's lowest is
            // 69.65 + 23.4 - 90 = 3 degrees up.
            {"Tromsø, midnight sun", {69.65, 18.96}, 2.0, {2023, 6, 21},
             "sunset -; civilDusk -; nauticalDusk -; astronomicalDusk -;"
             "astronomicalDawn -; nauticalDawn -; civilDawn -; sunrise -"},
            // At 55 N the midsummer Sun sinks to 90 - 55 - 23.44 = 11.6 degrees below the horizon only.
            {"55 N, never dark", {55.0, -1.6}, 1.0, {2024, 6, 20},
             "nauticalDusk -; astronomicalDusk -; astronomicalDawn -; nauticalDawn -"},
            // Scan only: the Sun dips below -18 degrees for some seven minutes around 00:00.
            {"48.56 N, dark for minutes", {48.56, 0.0}, 0.0, {2024, 6, 20}, ""},
            // USNO, "Fraction of the Moon Illuminated" for 2018 at midnight, zone 5 h west: 0.15 on
            // 13 September.
            {"US Eastern, crescent", {40.0, -75.0}, -5.0, {2018, 9, 12}, "illumination 15"},
        };
        for (const auto &night : nights) {
            const NightSky sky(night.site, nightOf(night.date, night.gmtDeviationHours));
            const NightEvents events = nightEvents(sky);
            checkPublished(events, night.published, night.place);
            checkAgainstScan(sky, events, night.place);
        }
    }

    // USNO's Fredonia 2023 table again, from local midnight of 11 March to that of the 13th.
    void sunBelowSpansSeveralNights()
    {
        const auto at = [](int day, int hour, int minute) { return daysSinceJ2000({2023, 3, day}, {hour, minute, 0}, -7.0); };
        const TimeSpan span{at(11, 0, 0), at(13, 0, 0)};
        const std::vector<TimeSpan> spans = sunBelow(Site{36.95, -112.5167}, span, SunsetAltitudeDeg);
        QCOMPARE(spans.size(), std::size_t(3));
        compareInstants({spans[0].startDays, spans[0].endDays, spans[1].startDays, spans[1].endDays,
                         spans[2].startDays, spans[2].endDays},
                        {span.startDays, at(11, 6, 47), at(11, 18, 34), at(12, 6, 46), at(12, 18, 35), span.endDays},
                        MinuteDays, "sun below the horizon");
    }

    void interpolatedPlacesMatchFullComputation()
    {
        const double arcsecondDeg = 1.0 / 3600.0;
        for (const Site &site : {Site{36.95, -112.5167}, Site{-69.0, 150.0}}) {
            const NightSky sky(site, nightOf({2025, 11, 4}, 10.0));
            for (double days = sky.span().startDays; days <= sky.span().endDays; days += 0.125) {
                for (const auto &[interpolated, full] : {std::pair{sky.sunAltAz(days), sunAltAz(days, site)},
                                                         std::pair{sky.moonAltAz(days), moonAltAz(days, site)}}) {
                    QCOMPARE_NEAR(interpolated.Alt, full.Alt, arcsecondDeg);
                    QCOMPARE_NEAR(interpolated.Az, full.Az, arcsecondDeg);
                }
                QCOMPARE_NEAR(sky.moonUpperLimbAltitudeDeg(days), moonUpperLimbAltitudeDeg(days, site), arcsecondDeg);
            }
        }
    }

    // USNO, "Phases of the Moon" 2024, UT: new 8 April 18:21, first quarter 15 April 19:13, full
    // 23 April 23:49, last quarter 1 May 11:27. Three and a half days on, the Moon stands in the
    // next sector; a day before new it is still 14 degrees short, across 360.
    // Meeus, Astronomical Algorithms, example 48.a: illuminated fraction k = 0.6786 on 1992 April 12
    // at 0h TD, which is 69.184 s before 0h UTC as TT is counted here.
    void moonPhase()
    {
        QCOMPARE_NEAR(moonIlluminatedFraction(daysSinceJ2000({1992, 4, 12}, {}, 0.0) - 69.184 * SecondDays), 0.6786, 0.0005);
        const std::tuple<CalendarDate, ClockTime, const char *, const char *> phases[] = {
            {{2024, 4, 8}, {18, 21}, "New Moon", "Waxing Crescent"},
            {{2024, 4, 15}, {19, 13}, "First Quarter", "Waxing Gibbous"},
            {{2024, 4, 23}, {23, 49}, "Full Moon", "Waning Gibbous"},
            {{2024, 5, 1}, {11, 27}, "Last Quarter", "Waning Crescent"}};
        for (const auto &[date, time, atPhase, daysLater] : phases) {
            QCOMPARE(moonPhaseName(daysSinceJ2000(date, time, 0.0)), atPhase);
            QCOMPARE(moonPhaseName(daysSinceJ2000(date, time, 0.0) + 3.5), daysLater);
        }
        QCOMPARE(moonPhaseName(daysSinceJ2000({2024, 4, 7}, {18, 21}, 0.0)), "New Moon");
    }

    void profileProblems()
    {
        const std::tuple<QStringList, int, const char *> files[] = {
            {{"0 5", "400 10"}, 2, "the azimuth \"400\" is not between 0 and 360"},
            {{"10 -95"}, 1, "the altitude \"-95\" is not between -90 and 90"},
            {{"10 nan"}, 1, "the altitude \"nan\" is not a finite number"},
            {{"1e400 3"}, 1, "the azimuth \"1e400\" is not a finite number"},  // overflows
            {{"# az alt", "", "120"}, 3, "the line holds one value instead of an azimuth and an altitude"},
            {{"10,5 3"}, 1, "the line holds 3 values instead of an azimuth and an altitude"},  // a decimal comma
            {{"# horizon", "; nothing else"}, 0, "there is no azimuth and altitude pair"}};
        for (const auto &[lines, lineNumber, problem] : files) {
            const Result<HorizonProfile> reading = parseHorizonProfile(lines);
            QCOMPARE(reading.problem().what, QString(problem));
            QCOMPARE(reading.problem().line, lineNumber);
        }
    }

    // Altitudes at probed azimuths, and the lowest and highest over an arc eastward from one
    // azimuth to another.
    void profiles()
    {
        const struct {
            QStringList lines;
            QList<QPointF> azAltProbes;
            double fromAzDeg, toAzDeg, lowestDeg, highestDeg;
        } files[] = {
            {{"350 20", "10 0", "180 5"}, {{0, 10}, {355, 15}, {360, 10}, {95, 2.5}}, 300, 20, 0, 20},  // across north
            {{"200 12.5"}, {{0, 12.5}, {359, 12.5}}, 10, 350, 12.5, 12.5},
            {{"0\t10", "90, 20", "180;30", " 270 ;\t 40 "}, {{45, 15}, {315, 25}}, 45, 315, 15, 40},
            {{"# Horizon exported 2024-01-15", "; azimuth altitude", "0 10", "90 10", "90 40", "180 40"},
             {{45, 10}, {90, 40}, {135, 40}, {270, 25}}, 90, 135, 10, 40},  // a wall
            // A wall at north, 360 reached from the west.
            {{"0 5", "180 5", "360 25"}, {{0, 25}, {360, 25}, {90, 5}, {270, 15}}, 170, 10, 5, 25},
        };
        for (const auto &file : files) {
            const HorizonProfile profile = parseHorizonProfile(file.lines).value();
            for (const QPointF &probe : file.azAltProbes)
                QCOMPARE_NEAR(profile.altitudeDeg(probe.x()), probe.y(), 1e-9);
            const AltitudeRange range = profile.altitudeRangeDeg(profile.spotAt(file.fromAzDeg), profile.spotAt(file.toAzDeg));
            QCOMPARE(range.minDeg, file.lowestDeg);
            QCOMPARE(range.maxDeg, file.highestDeg);
        }
    }

    // Objects placed by their hour angle at the start of a twelve-hour session, 50 N, against a
    // profile with a peak, a wall, a mast and trees, an azimuth window, and dark spans.
    void visibilityMatchesScan()
    {
        const double startDays = daysSinceJ2000({2024, 1, 15}, {18, 0, 0}, 0.0);
        const auto hours = [startDays](double from, double until) {
            return TimeSpan{startDays + from / 24.0, startDays + until / 24.0};
        };
        const QStringList hillsAndHouses{"0 3", "110 3", "118 28", "126 3", "200 3", "200 12", "260 12", "260 3"};
        const QStringList mastAndNorthernTrees{"20 40", "20 10", "329 10", "330 70", "331 10", "340 10", "340 40"};
        const struct {
            double startHaDeg, decDeg, minElevDeg;
            QStringList horizon;  // none: a flat horizon
            AzimuthWindow window;
            std::vector<TimeSpan> darkSpans;  // none: all dark
        } cases[] = {
            {200, 20, 10, {}, {}, {}},                                 // rising
            {30, 0, 0, {}, {}, {}},                                    // setting
            {260, -5, 0, hillsAndHouses, {}, {}},                      // behind a peak, setting behind a wall
            {0, 70, 0, {}, {}, {}},                                    // circumpolar
            {30, 70, 0, mastAndNorthernTrees, {}, {}},                 // twice behind a mast, then the trees
            {0, -50, -5, hillsAndHouses, {}, {}},                      // never up
            {300, 20, 0, hillsAndHouses, {150, 250, AzimuthWindowMode::Inclusive}, {}},
            {90, 45, 10, {}, {40, 320, AzimuthWindowMode::Exclusive}, {}},  // across north
            {30, 0, 0, {}, {}, {hours(3.8, 6), hours(2, 3.5), hours(1, 3)}},  // dark spans cut the span
        };
        for (const auto &test : cases) {
            const HorizonProfile profile = test.horizon.isEmpty() ? HorizonProfile() : parseHorizonProfile(test.horizon).value();
            const TimeSpan session{startDays, startDays + 0.5};
            const VisibilityQuery query{.latDeg = 50.0, .lonDeg = 10.0, .session = session, .minElevDeg = test.minElevDeg,
                                        .profile = test.horizon.isEmpty() ? nullptr : &profile,
                                        .azimuthWindow = test.window,
                                        .darkSpans = test.darkSpans.empty() ? std::vector{session} : test.darkSpans};
            const EquatorialPosition object{wrapDeg(localSiderealTimeDeg(startDays, query.lonDeg) - test.startHaDeg),
                                            test.decDeg};
            compareWithScan(object, query, objectVisibility(object, query));
        }
    }

    // Objects all over a southern sky, enough to be shared among threads, come out as they do one
    // by one, and some of them are checked against a scan too.
    void catalogMatchesSingleObjects()
    {
        const HorizonProfile profile({{0, 20}, {90, 5}, {180, 25}, {180, 2}, {270, 15}});
        const TimeSpan session{8800.3, 8800.8};
        const VisibilityQuery query{.latDeg = -33.9, .lonDeg = 151.2, .session = session, .profile = &profile,
                                    .azimuthWindow = {}, .darkSpans = {session}};
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
