#include "night/ephemeris.h"
#include "night/moonphase.h"
#include "night/nightevents.h"

#include <QDate>
#include <QDateTime>
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

}  // namespace

class TestNightEvents : public QObject {
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

    void phaseName_data()
    {
        QTest::addColumn<QDateTime>("phaseInstant");
        QTest::addColumn<double>("daysLater");
        QTest::addColumn<QString>("name");

        // USNO, "Phases of the Moon" 2024, UT.
        const QDateTime newMoon(QDate(2024, 4, 8), QTime(18, 21), Qt::UTC);
        const QDateTime firstQuarter(QDate(2024, 4, 15), QTime(19, 13), Qt::UTC);
        const QDateTime fullMoon(QDate(2024, 4, 23), QTime(23, 49), Qt::UTC);
        const QDateTime lastQuarter(QDate(2024, 5, 1), QTime(11, 27), Qt::UTC);

        QTest::newRow("new") << newMoon << 0.0 << "New Moon";
        QTest::newRow("a day before new, 14 degrees short") << newMoon << -1.0 << "New Moon";
        QTest::newRow("three and a half days after new") << newMoon << 3.5 << "Waxing Crescent";
        QTest::newRow("first quarter") << firstQuarter << 0.0 << "First Quarter";
        QTest::newRow("four days after first quarter") << firstQuarter << 4.0 << "Waxing Gibbous";
        QTest::newRow("full") << fullMoon << 0.0 << "Full Moon";
        QTest::newRow("four days after full") << fullMoon << 4.0 << "Waning Gibbous";
        QTest::newRow("last quarter") << lastQuarter << 0.0 << "Last Quarter";
        QTest::newRow("four days after last quarter") << lastQuarter << 4.0 << "Waning Crescent";
    }

    void phaseName()
    {
        QFETCH(QDateTime, phaseInstant);
        QFETCH(double, daysLater);
        QFETCH(QString, name);

        QCOMPARE(QString(moonPhaseName(daysAt(phaseInstant) + daysLater)), name);
    }
};

QTEST_APPLESS_MAIN(TestNightEvents)
#include "test_nightevents.moc"
