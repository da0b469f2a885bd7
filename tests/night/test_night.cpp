#include "formats/horizonprofilefile.h"
#include "nearcompare.h"
#include "sky/angles.h"
#include "sky/ephemeris.h"
#include "sky/moonphase.h"
#include "sky/nightevents.h"
#include "sky/visibility.h"

#include <QRegularExpression>
#include <QTest>
#include <QTime>

#include <algorithm>
#include <cmath>

// The night's Sun and Moon events against almanac tables, and against a second-by-second scan
// of the altitude for the events no table gives.

namespace {

// A found edge may differ from a one-second scan by the scan's own second and the search's
// half second.
constexpr double MinuteDays = 1.0 / 1440.0, SecondDays = 1.0 / 86400.0, EdgeToleranceDays = 2.0 * SecondDays;

using Instants = std::vector<double>;

// Each level the Sun's centre or the Moon's upper limb crosses, whether of the Moon, and the night's
// events at it by name: the descents (sunset, the dusks, moonsets), then the ascents.
struct Level { double levelDeg; bool ofMoon; std::pair<const char *, Instants> events[2]; };

std::vector<Level> levelsOf(const NightEvents &e)
{
    const auto at = [](const std::optional<double> &instant) { return instant ? Instants{*instant} : Instants{}; };
    return {{SunsetAltitudeDeg, false, {{"sunset", at(e.sunset)}, {"sunrise", at(e.sunrise)}}},
            {CivilTwilightAltitudeDeg, false, {{"civilDusk", at(e.civilDusk)}, {"civilDawn", at(e.civilDawn)}}},
            {NauticalTwilightAltitudeDeg, false, {{"nauticalDusk", at(e.nauticalDusk)}, {"nauticalDawn", at(e.nauticalDawn)}}},
            {AstronomicalTwilightAltitudeDeg, false,
             {{"astronomicalDusk", at(e.astronomicalDusk)}, {"astronomicalDawn", at(e.astronomicalDawn)}}},
            {MoonriseUpperLimbAltitudeDeg, true, {{"moonset", e.moonsets}, {"moonrise", e.moonrises}}}};
}

void compareInstants(const Instants &found, const Instants &wanted, double toleranceDays, const QString &what)
{
    QVERIFY2(found.size() == wanted.size(), qPrintable(what + ": wrong number of events"));
    for (std::size_t i = 0; i < wanted.size(); ++i)
        QVERIFY2(qAbs(found[i] - wanted[i]) <= toleranceDays,
                 qPrintable(what + QString(" off by %1 s").arg((found[i] - wanted[i]) / SecondDays)));
}

Instants edgesOf(const std::vector<TimeSpan> &spans)
{
    Instants edges;
    for (const TimeSpan &span : spans)
        edges.insert(edges.end(), {span.startDays, span.endDays});
    return edges;
}

// The instants at which holds(days) turns true and false again, found by stepping through the span
// a second at a time, each halfway between the seconds either side: a span in which it holds starts
// at each even index and ends at the next. The search shares nothing with the turning points and
// bisection under test.
template <typename Holds>
Instants scannedEdges(const TimeSpan &span, Holds holds)
{
    Instants edges;
    for (int second = 0; second <= qRound(span.lengthDays() / SecondDays) + 1; ++second) {
        const double days = span.startDays + second * SecondDays;
        if ((days < span.endDays + SecondDays / 2 && holds(days)) != (edges.size() % 2 == 1))
            edges.push_back(days - SecondDays / 2);
    }
    return edges;
}

// The night's events against the scan and against the almanac, whose times are local, evening ones
// on the night's date and morning ones on the next, "-" for an event that does not happen:
// "sunset 18:33; moonrise 12:16 11:48; sunrise -". The spans with the Sun below each level against
// the scan too, and every three hours the interpolated places against ERFA's in full.
void checkNight(const Site &site, const TimeSpan &night, const QString &published)
{
    const NightSky sky(site, night);
    const QString place = QString("%1, %2 from day %3: ").arg(site.latDeg).arg(site.lonDeg).arg(night.startDays);
    const auto apart = [](const AltAz &a, const AltAz &b) { return std::hypot(a.Alt - b.Alt, a.Az - b.Az); };
    for (double days = night.startDays; days <= night.endDays; days += 0.125) {
        const double offDeg = apart(sky.sunAltAz(days), sunAltAz(days, site)) + apart(sky.moonAltAz(days), moonAltAz(days, site))
                              + std::abs(sky.moonUpperLimbAltitudeDeg(days) - moonUpperLimbAltitudeDeg(days, site));
        QCOMPARE_NEAR(offDeg, 0.0, 1.0 / 3600.0);
    }
    for (const Level &level : levelsOf(nightEvents(sky))) {
        const Instants below = scannedEdges(night, [&](double days) {
            return (level.ofMoon ? sky.moonUpperLimbAltitudeDeg(days) : sky.sunAltAz(days).Alt) < level.levelDeg;
        });
        if (!level.ofMoon)
            compareInstants(edgesOf(sunBelow(sky, level.levelDeg)), below, EdgeToleranceDays, place + level.events[0].first);
        for (std::size_t way = 0; way < 2; ++way) {  // a descent starts a span below the level, an ascent ends one
            const auto &[name, instants] = level.events[way];
            Instants crossed, listed;
            for (std::size_t i = way; i < below.size(); i += 2) {
                if (below[i] > night.startDays && below[i] < night.endDays)
                    crossed.push_back(below[i]);
            }
            compareInstants(instants, crossed, EdgeToleranceDays, place + name);
            const QString times = QRegularExpression(QString("\\b%1 ([^;]*)").arg(name)).match(published).captured(1);
            for (const QString &clock : times.split(' ').filter(":"))
                listed.push_back(night.startDays + QTime::fromString(clock).addSecs(43200).msecsSinceStartOfDay() / 864e5);
            if (!times.isEmpty())
                compareInstants(instants, listed, (level.ofMoon ? 2 : 1) * MinuteDays, place + "published " + name);
        }
    }
}

// Every test of a position made afresh at each second of the session with the list's formulas: the
// spans, the minutes in all and the highest altitude.
void compareWithScan(const EquatorialPosition &object, const VisibilityQuery &query, const Visibility &found)
{
    double highestAltDeg = -90.0, minutes = 0.0;
    const Instants edges = scannedEdges(query.session, [&](double days) {
        const double haDeg = hourAngleDeg(localSiderealTimeDeg(days, query.lonDeg), object.raDeg);
        const AltAz at = getAltAz(haDeg, object.decDeg, query.latDeg);
        const bool dark = std::ranges::any_of(query.darkSpans, [=](auto &d) { return d.startDays <= days && days <= d.endDays; });
        const double lowestDeg = std::max(query.minElevDeg, query.profile ? query.profile->altitudeDeg(at.Az) : -90.0);
        const bool visible = dark && at.Alt >= lowestDeg && azimuthInWindow(at.Az, query.azimuthWindow);
        highestAltDeg = std::max(highestAltDeg, visible ? at.Alt : -90.0);
        minutes += visible / 60.0;
        return visible;
    });
    compareInstants(edgesOf(found.spans), edges, EdgeToleranceDays, "visible spans");
    QCOMPARE_NEAR(found.visibleMinutes, minutes, edges.size() * 2 * EdgeToleranceDays / MinuteDays);
    QCOMPARE_NEAR(found.highest.value_or(HighestPoint{0, -90}).altDeg, highestAltDeg, 0.01);
}

}  // namespace

class TestNight : public QObject {
    Q_OBJECT

private slots:
    void nights()
    {
        const std::tuple<Site, double, CalendarDate, const char *> nights[] = {
            // USNO, "Rise and Set for the Sun / for the Moon for 2023", Fredonia AZ (W112 31, N36 57),
            // zone 7 h west. Its twilights come from the scan.
            {{36.95, -112.5167}, -7.0, {2023, 3, 10}, "sunset 18:33; sunrise 06:47; moonrise 21:55; moonset 08:52"},
            // ishavasya.org, "Sunrise and Sunset", New Delhi on 6 September 2025 (IST, 5.5 h east): the
            // dawns end the night of the 5th. Its minutes are cut rather than rounded, which the
            // one-minute tolerance absorbs.
            {{28.6139, 77.209}, 5.5, {2025, 9, 5}, "astronomicalDawn 04:41; nauticalDawn 05:09; civilDawn 05:37; sunrise 06:01"},
            {{28.6139, 77.209}, 5.5, {2025, 9, 6}, "sunset 18:36; civilDusk 19:00; nauticalDusk 19:28; astronomicalDusk 19:57"},
            // USNO, "Sun and Moon Data for One Day", Auckland on 24 July 2026 (NZST, 12 h east): across the
            // date line.
            {{-36.8485, 174.7633}, 12.0, {2026, 7, 24}, "sunset 17:29; civilDusk 17:57"},
            // USNO, "Rise and Set for the Moon for 2023", latitude 70 N on the prime meridian, UT: the
            // Moon rises at 12:16 on 20 December and again at 11:48 on the 21st. The Sun stays down:
            // at noon it is 90 - 70 - 23.4 = 3.4 degrees below the horizon.
            {{70.0, 0.0}, 0.0, {2023, 12, 20}, "moonrise 12:16 11:48; moonset 02:03; sunset -; sunrise -"},
            // Tromsø's midnight sun runs from about 18 May to 26 July; the Sun's lowest is
            // 69.65 + 23.4 - 90 = 3 degrees up.
            {{69.65, 18.96}, 2.0, {2023, 6, 21}, "sunset -; civilDusk -; civilDawn -; sunrise -"},
            // Scan only: at 48.56 N the Sun dips below -18 degrees for some seven minutes around 00:00.
            {{48.56, 0.0}, 0.0, {2024, 6, 20}, ""},
        };
        for (const auto &[site, gmtDeviationHours, date, published] : nights)
            checkNight(site, nightOf(date, gmtDeviationHours), published);
    }

    // USNO, "Phases of the Moon" 2024, UT: new 8 April 18:21, first quarter 15 April 19:13, full
    // 23 April 23:49, last quarter 1 May 11:27. Three and a half days on, the Moon stands in the
    // next sector; a day before, it is still in the sector of the phase (before new, across 360).
    // Meeus, Astronomical Algorithms, example 48.a: illuminated fraction k = 0.6786 on 1992 April 12
    // at 0h TD, which is 69.184 s before 0h UTC as TT is counted here.
    // USNO, "Fraction of the Moon Illuminated" for 2018 at midnight, zone 5 h west: 0.15 on 13 September,
    // the night's own.
    void moonPhase()
    {
        QCOMPARE_NEAR(moonIlluminatedFraction(daysSinceJ2000({1992, 4, 12}, {}, 0.0) - 69.184 * SecondDays), 0.6786, 0.0005);
        QCOMPARE_NEAR(nightEvents(Site{40.0, -75.0}, {2018, 9, 12}, -5.0).moonIlluminationPercent, 15, 1);
        const std::pair<double, const char *> phases[] = {  // a day before, at the phase, three and a half days on
            {daysSinceJ2000({2024, 4, 8}, {18, 21}, 0.0), "New Moon|New Moon|Waxing Crescent"},
            {daysSinceJ2000({2024, 4, 15}, {19, 13}, 0.0), "First Quarter|First Quarter|Waxing Gibbous"},
            {daysSinceJ2000({2024, 4, 23}, {23, 49}, 0.0), "Full Moon|Full Moon|Waning Gibbous"},
            {daysSinceJ2000({2024, 5, 1}, {11, 27}, 0.0), "Last Quarter|Last Quarter|Waning Crescent"}};
        for (const auto &[days, names] : phases)
            QCOMPARE(moonPhaseName(days - 1) + QString("|") + moonPhaseName(days) + "|" + moonPhaseName(days + 3.5), names);
    }

    // A file's problem, or the altitudes at probed azimuths.
    void horizonProfiles()
    {
        const std::tuple<QStringList, Problem, std::vector<std::pair<double, double>>> files[] = {
            {{"0 5", "400 10"}, Problem::onLine(2, "the azimuth \"400\" is not between 0 and 360"), {}},
            {{"10 -95"}, Problem::onLine(1, "the altitude \"-95\" is not between -90 and 90"), {}},
            {{"10 nan"}, Problem::onLine(1, "the altitude \"nan\" is not a finite number"), {}},
            {{"north 3"}, Problem::onLine(1, "the azimuth \"north\" is not a finite number"), {}},
            {{"#", "", "120"}, Problem::onLine(3, "the line holds one value instead of an azimuth and an altitude"), {}},
            // A decimal comma.
            {{"10,5 3"}, Problem::onLine(1, "the line holds 3 values instead of an azimuth and an altitude"), {}},
            {{"# horizon", "; nothing else"}, Problem::because("there is no azimuth and altitude pair"), {}},
            {{"0 10", QString("90%1 20").arg(QChar(0))}, Problem::onLine(2, "column 3 holds 0x00, a character that cannot be shown"), {}},
            {{QString::fromUtf16(u"\u00e9 10")}, Problem::onLine(1, "the azimuth \"\u00e9\" is not a finite number"), {}},
            // The limit passed stops the reading: a later fault goes unread.
            {QStringList(MaxHorizonPoints + 1, "10 5") << "north 3",
             Problem::because("the profile holds more than 100000 azimuth and altitude pairs, more than any horizon needs"), {}},
            {QStringList(MaxHorizonPoints, "10 5"), {}, {{10, 5}, {200, 5}}},
            {{"0 10 # trees", "90 20#hill", "; 180 90", "# 180 90"}, {}, {{45, 15}, {225, 15}}},
            {{"350 20", "10 0", "180 5"}, {}, {{0, 10}, {355, 15}, {360, 10}, {95, 2.5}}},  // across north
            {{"200 12.5"}, {}, {{0, 12.5}, {359, 12.5}}},
            {{"0\t10", "90, 20", "180;30", " 270 ;\t 40 "}, {}, {{45, 15}, {315, 25}}},
            // A wall.
            {{"# exported", "; az alt", "0 10", "90 10", "90 40", "180 40"}, {}, {{45, 10}, {90, 40}, {135, 40}, {270, 25}}},
            // A wall at north, 360 reached from the west.
            {{"0 5", "180 5", "360 25"}, {}, {{0, 25}, {360, 25}, {90, 5}, {270, 15}}},
        };
        for (const auto &[lines, problem, azAltProbes] : files) {
            const Result<HorizonProfile> read = parseHorizonProfile(lines.join(u'\n'));
            QVERIFY2((read.ok() ? Problem() : read.problem()) == problem, qPrintable(problem.what));
            for (const auto &[azDeg, altDeg] : azAltProbes)
                QCOMPARE_NEAR(read.value().altitudeDeg(azDeg), altDeg, 1e-9);
        }
    }

    // Objects placed by their hour angle at the start of a twelve-hour session, against a profile
    // with a peak, a wall, a mast and trees, an azimuth window, and dark spans. Each is the first of a
    // catalog all over the sky, enough to be shared among threads, whose objects come out as they do
    // one by one; some of them are checked against the scan too.
    void visibilityMatchesScan()
    {
        const TimeSpan session{8780.25, 8780.75};  // 2024 January 15, 18:00 to 06:00 UTC
        const auto hours = [s = session.startDays](double from, double until) { return TimeSpan{s + from / 24, s + until / 24}; };
        const HorizonProfile hillsAndHouses({{0, 3}, {110, 3}, {118, 28}, {126, 3}, {200, 3}, {200, 12}, {260, 12}, {260, 3}});
        const HorizonProfile mastAndNorthernTrees({{20, 40}, {20, 10}, {329, 10}, {330, 70}, {331, 10}, {340, 10}, {340, 40}});
        const HorizonProfile southernWall({{0, 20}, {90, 5}, {180, 25}, {180, 2}, {270, 15}});
        const AzimuthWindow south{150, 250, AzimuthWindowMode::Inclusive}, acrossNorth{40, 320, AzimuthWindowMode::Exclusive};
        // Latitude, start hour angle, declination, minimum elevation, horizon, azimuth window, dark spans.
        const std::tuple<double, double, double, double, const HorizonProfile *, AzimuthWindow, std::vector<TimeSpan>> cases[] = {
            // Rising; setting.
            {50, 200, 20, 10, nullptr, {}, {session}}, {50, 30, 0, 0, nullptr, {}, {session}},
            // Behind a peak, setting behind a wall; circumpolar.
            {50, 260, -5, 0, &hillsAndHouses, {}, {session}}, {50, 0, 70, 0, nullptr, {}, {session}},
            // Twice behind a mast, then the trees; never up.
            {50, 30, 70, 0, &mastAndNorthernTrees, {}, {session}}, {50, 0, -50, -5, &hillsAndHouses, {}, {session}},
            // A window to the south; one across north.
            {50, 300, 20, 0, &hillsAndHouses, south, {session}}, {50, 90, 45, 10, nullptr, acrossNorth, {session}},
            // Dark spans that cut the span; circling the south pole.
            {50, 30, 0, 0, nullptr, {}, {hours(3.8, 6), hours(2, 3.5), hours(1, 3)}},
            {-33.9, 0, -60, 0, &southernWall, {}, {session}},
        };
        for (const auto &[latDeg, haDeg, decDeg, minElevDeg, profile, window, darkSpans] : cases) {
            const VisibilityQuery query{latDeg, 10.0, session, minElevDeg, profile, window, darkSpans};
            const double raDeg = wrapDeg(localSiderealTimeDeg(session.startDays, query.lonDeg) - haDeg);
            std::vector<EquatorialPosition> objects{{raDeg, decDeg}};
            for (int i = 1; i < 1000; ++i)
                objects.push_back({wrapDeg(i * 137.508), i * 179.0 / 999.0 - 89.5});
            const std::vector<Visibility> catalog = catalogVisibility(objects, query);
            const auto singleMinutes = [&](auto &object) { return objectVisibility(object, query).visibleMinutes; };
            QVERIFY(std::ranges::equal(catalog, objects, {}, &Visibility::visibleMinutes, singleMinutes));
            for (std::size_t i = 0; i < objects.size(); i += 200)
                compareWithScan(objects[i], query, catalog[i]);
        }
    }
};

QTEST_APPLESS_MAIN(TestNight)
#include "test_night.moc"
