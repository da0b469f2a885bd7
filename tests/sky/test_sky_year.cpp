#include "sky/diurnaltrack.h"
#include "sky/nightevents.h"
#include "sky/nightsky.h"
#include "sky/seeing.h"
#include "sky/verdict.h"
#include "sky/yearnights.h"

#include <QTest>

#include <cmath>

// The year planner's nights against a scan of each night minute by minute: the object's place, the
// Sun's and the Moon's at every whole minute of the clock from local noon to local noon, and what
// the telescope shows of the object then.

namespace {

struct Scanned {
    int visibleMinutes = 0;
    int moonlessMinutes = 0;
    int shownMinutes = 0;
};

struct InTelescope {
    ObjectLight light;
    ObserverSky sky;
    Telescope telescope;
};

bool shownAtLeastDifficult(double logReserve)
{
    const std::string_view word = verdict(logReserve);
    return word == "difficult" || word == "moderate" || word == "easy" || word == "very easy";
}

// The night's minutes: those with the Sun below sunset's altitude, or all of them where it does
// not both set and rise.
Scanned scanNight(const EquatorialPosition &object, const YearQuery &query, const CalendarDate &date,
                  const std::optional<InTelescope> &seen = {})
{
    const TimeSpan noonToNoon = nightOf(date, query.gmtDeviationHoursOn(date));
    const NightSky sky(query.site, noonToNoon);
    const DiurnalTrack track(object.raDeg, object.decDeg, query.site.latDeg, query.site.lonDeg);
    std::vector<double> minutes;
    for (double minute = std::ceil(noonToNoon.startDays * 1440.0); minute < noonToNoon.endDays * 1440.0; ++minute)
        minutes.push_back(minute / 1440.0);
    const auto sunDeg = [&](double days) { return sky.sunAltAz(days).Alt; };
    const bool setsAndRises = sunDeg(noonToNoon.startDays) >= SunsetAltitudeDeg
                              && sunDeg(noonToNoon.endDays) >= SunsetAltitudeDeg
                              && std::ranges::any_of(minutes, [&](double days) { return sunDeg(days) < SunsetAltitudeDeg; });
    const double darkBelowDeg = sunLimitDeg(query.darkness).value_or(90.0);
    Scanned scanned;
    for (const double days : minutes) {
        const AltAz at = track.positionAt(days);
        const bool inNight = !setsAndRises || sunDeg(days) < SunsetAltitudeDeg;
        const bool visible = inNight && sunDeg(days) < darkBelowDeg && at.Alt >= query.minElevDeg
                             && (!query.profile || at.Alt >= query.profile->altitudeDeg(at.Az))
                             && azimuthInWindow(at.Az, query.azimuthWindow);
        scanned.visibleMinutes += visible;
        scanned.moonlessMinutes += visible && sky.moonUpperLimbAltitudeDeg(days) < MoonriseUpperLimbAltitudeDeg;
        if (visible && seen) {
            const MoonInSky moon{sky.moonAltAz(days), sky.moonPhaseAngleDeg(days)};
            scanned.shownMinutes +=
                shownAtLeastDifficult(seeingAt(seen->light, at, moon, seen->sky, seen->telescope).reserve.logReserve);
        }
    }
    return scanned;
}

int dayOfYear(const std::vector<NightMinutes> &year, const CalendarDate &date)
{
    const auto found = std::ranges::find_if(year, [&](const NightMinutes &night) {
        return night.date.month == date.month && night.date.day == date.day;
    });
    return int(found - year.begin());
}

// Hills to the south-west, a fixed clock, an azimuth window that leaves out the north.
const HorizonProfile Hills({{0, 5}, {200, 25}, {250, 2}});
YearQuery query(double latDeg, double lonDeg, double gmtDeviationHours, DarknessLevel darkness)
{
    return {{latDeg, lonDeg}, 2024, [gmtDeviationHours](const CalendarDate &) { return gmtDeviationHours; },
            darkness, 10.0, &Hills, {20.0, 340.0, AzimuthWindowMode::Inclusive}};
}

}  // namespace

class TestSkyYear : public QObject {
    Q_OBJECT

private slots:
    // Within a minute of the scan: an edge a second from a whole minute may fall either side.
    void nightsAgainstAScan()
    {
        struct Case {
            const char *what;
            YearQuery query;
            EquatorialPosition object;
            std::vector<CalendarDate> dates;
        };
        const Case cases[] = {
            {"Italy, the Moon full on 25 March and new on 8 April", query(45.0, 10.0, 1.0, DefaultDarkness),
             {83.8, -5.4}, {{2024, 3, 20}, {2024, 3, 25}, {2024, 4, 8}, {2024, 11, 1}}},
            {"Tromsø: midnight sun, polar night", query(69.65, 18.96, 1.0, DefaultDarkness),
             {10.68, 41.27}, {{2024, 6, 21}, {2024, 12, 21}, {2024, 2, 10}}},
            {"Tromsø without darkness", query(69.65, 18.96, 1.0, DarknessLevel::None),
             {201.4, 54.9}, {{2024, 6, 21}, {2024, 12, 21}, {2024, 9, 23}}},
            {"Chile, half an hour behind", query(-30.2, -70.7, -3.5, DarknessLevel::Nautical),
             {13.2, -72.8}, {{2024, 1, 10}, {2024, 7, 21}}},
        };
        for (const Case &c : cases) {
            const YearSky sky(c.query);
            const std::vector<NightMinutes> year = objectYear(c.object, sky);
            QCOMPARE(year.size(), 366u);
            int nightsSeen = 0;
            for (const CalendarDate &date : c.dates) {
                const NightMinutes &night = year[dayOfYear(year, date)];
                const Scanned scanned = scanNight(c.object, c.query, date);
                const QString where = QString("%1, %2-%3").arg(c.what).arg(date.month).arg(date.day);
                QVERIFY2(std::abs(night.visibleMinutes - scanned.visibleMinutes) <= 1,
                         qPrintable(where + QString(": %1 against %2").arg(night.visibleMinutes).arg(scanned.visibleMinutes)));
                QVERIFY2(std::abs(night.moonlessMinutes - scanned.moonlessMinutes) <= 1,
                         qPrintable(where + QString(": %1 against %2").arg(night.moonlessMinutes).arg(scanned.moonlessMinutes)));
                nightsSeen += night.visibleMinutes > 0;
            }
            QVERIFY2(nightsSeen > 0, c.what);
        }
    }

    // Italy: the night of the full Moon and of the new Moon, a bright galaxy (M 82) and a faint one
    // (NGC 3184), under a rural sky with an eight-inch telescope. The reserve through the night, as
    // the heat map reads it, is the one seeingAt gives.
    void telescopeMinutesAgainstAScan()
    {
        YearQuery moonlit = query(45.0, 10.0, 1.0, DefaultDarkness);
        moonlit.keepsMoonlight = true;
        const YearSky sky(moonlit);
        const ObserverSky rural{21.3, 0.2};
        const Telescope eightInch{200.0, {40.0, 100.0, 200.0}};
        const struct {
            EquatorialPosition position;
            ObjectLight light;
        } galaxies[] = {{{148.97, 69.68}, {8.4, 11.2, 4.3}}, {{154.57, 41.42}, {9.8, 7.4, 6.9}}};
        int partlyShownNights = 0;
        for (const auto &galaxy : galaxies) {
            const YearSeeing seeing(galaxy.position, galaxy.light, rural, eightInch, sky);
            const std::vector<NightMinutes> year = objectYear(seeing);
            const DiurnalTrack track(galaxy.position.raDeg, galaxy.position.decDeg, 45.0, 10.0);
            for (const CalendarDate &date : {CalendarDate{2024, 3, 25}, CalendarDate{2024, 4, 8}}) {
                const int index = dayOfYear(year, date);
                const NightMinutes &night = year[index];
                const TimeSpan span = sky.nights()[index].night;
                const NightSky nightSky(moonlit.site, span);
                for (int hour = 0; hour <= 10; ++hour) {
                    const double days = span.startDays + hour / 24.0;
                    const MoonInSky moon{nightSky.moonAltAz(days), nightSky.moonPhaseAngleDeg(days)};
                    const Seeing seen = seeingAt(galaxy.light, track.positionAt(days), moon, rural, eightInch);
                    QCOMPARE_LE(std::abs(seeing.logReserveAt(index, days) - seen.reserve.logReserve), 1e-6);
                }
                const Scanned scanned = scanNight(galaxy.position, moonlit, date, InTelescope{galaxy.light, rural, eightInch});
                QVERIFY2(night.shownMinutes && std::abs(*night.shownMinutes - scanned.shownMinutes) <= 1,
                         qPrintable(QString("%1, %2-%3: %4 against %5").arg(galaxy.light.magnitude).arg(date.month)
                                        .arg(date.day).arg(night.shownMinutes.value_or(-1)).arg(scanned.shownMinutes)));
                partlyShownNights += scanned.shownMinutes > 0 && scanned.shownMinutes < scanned.visibleMinutes;
            }
        }
        QVERIFY(partlyShownNights > 0);
    }

    // The best night is the earliest of the nights with the most moonless minutes; a progress
    // that says stop stops the work.
    void bestNights()
    {
        const YearSky sky(query(45.0, 10.0, 1.0, DarknessLevel::Nautical));
        const std::vector<EquatorialPosition> objects{{83.8, -5.4}, {10.68, 41.27}, {250.4, 36.5}, {0.0, -80.0}};
        const std::optional<std::vector<BestNight>> best = catalogBestNights(objects, sky);
        QVERIFY(best);
        for (std::size_t i = 0; i < objects.size(); ++i) {
            const std::vector<NightMinutes> year = objectYear(objects[i], sky);
            const auto most = std::ranges::max_element(year, std::less<>(), &NightMinutes::moonlessMinutes);
            QCOMPARE((*best)[i].moonlessMinutes, most->moonlessMinutes);
            QCOMPARE(dayOfYear(year, (*best)[i].date), int(most - year.begin()));
        }
        QCOMPARE((*best)[3].moonlessMinutes, 0);  // never above the horizon
        QVERIFY(!catalogBestNights(objects, sky, [](std::size_t, std::size_t) { return false; }));
    }
};

QTEST_APPLESS_MAIN(TestSkyYear)
#include "test_sky_year.moc"
