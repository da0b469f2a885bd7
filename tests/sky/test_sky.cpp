#include "nearcompare.h"
#include "sky/filters.h"
#include "sky/horizontal.h"
#include "sky/siderealtime.h"

#include <QTest>

#include <cmath>

// The numbers of one list: the day count, sidereal time, hour angle, altitude and azimuth, hours
// to transit and the position tests.
//
// Reference values: J. Meeus, Astronomical Algorithms, 2nd ed., examples 12.a and 12.b (mean
// sidereal time at Greenwich on 1987 April 10); the other sidereal times from the U.S. Naval
// Observatory's approximation GMST = 18.697374558 h + 24.06570982441908 h per day since J2000
// (plus 0.000388 degrees per century squared for 1900), with the day counts from the Julian dates;
// the worked Grand Rapids session of 15 March 2006 (sidereal time 125.5674); the altitude and
// azimuth pairs of the planner's worked examples, checked with the spherical-triangle relations.

class TestSky : public QObject {
    Q_OBJECT

private slots:
    // The hour angle of an object 10 degrees east of the meridian wraps once to 350.
    void siderealTime()
    {
        // Date, local time, GMT deviation, longitude, day count, local sidereal time.
        const std::tuple<CalendarDate, ClockTime, double, double, double, double> cases[] = {
            {{2000, 1, 1}, {12, 0, 0}, 0.0, 0.0, 0.0, 280.46061837},  // the J2000 epoch
            // 21:30 EST on 15 March 2006 is already 16 March in UT.
            {{2006, 3, 15}, {21, 30, 0}, -5.0, -85.48, 2265.6041667, 125.5674},
            {{2006, 3, 15}, {21, 30, 30}, -5.0, -85.48, 2265.6045139, 125.6927},
            {{1987, 4, 10}, {0, 0, 0}, 0.0, 0.0, -4649.5, 197.693195},        // Meeus 12.a
            {{1987, 4, 10}, {19, 21, 0}, 0.0, 0.0, -4648.69375, 128.7378734},  // Meeus 12.b
            {{2006, 1, 1}, {0, 0, 0}, 0.0, 0.0, 2191.5, 100.5068},             // January counts with the year before
            {{2010, 6, 1}, {20, 0, 0}, 5.5, 77.2, 3804.1041667, 184.6659},
            {{1900, 3, 1}, {12, 0, 0}, 0.0, 0.0, -36465.0, 338.8298},  // 1900 is no leap year
        };
        for (const auto &[date, time, gmtDeviationHours, lonDeg, days, siderealDeg] : cases) {
            QCOMPARE_NEAR(daysSinceJ2000(date, time, gmtDeviationHours), days, 1e-6);
            const double localSiderealDeg = getSiderealTime(date, time, gmtDeviationHours, lonDeg);
            QCOMPARE_NEAR(localSiderealDeg, siderealDeg, 5e-5);
            QCOMPARE_NEAR(hourAngleDeg(localSiderealDeg, localSiderealDeg + 10.0), 350.0, 1e-9);
        }
    }

    // At the zenith, the nadir and the pole the azimuth (NaN here) only has to be one; 0 and 360
    // are both north.
    void altAz()
    {
        const double positions[][5] = {  // HA, Dec, latitude, Alt, Az
            // Setting on the equator; below the pole.
            {90.0, 0.0, 45.0, 0.0, 270.0}, {150.0, 60.0, 42.93, 15.8314, 344.9384},
            {30.0, 20.0, 40.0, 57.4851, 240.9388}, {330.0, 20.0, 40.0, 57.4851, 119.0612},
            {0.0, 42.0, 42.0, 90.0, qQNaN()}, {180.0, -42.0, 42.0, -90.0, qQNaN()}, {75.0, 30.0, 90.0, 30.0, qQNaN()},
            {0.0, 10.0, 50.0, 50.0, 180.0}, {180.0, 80.0, 50.0, 40.0, 0.0},  // upper and lower transit
        };
        for (const auto &[haDeg, decDeg, latDeg, altDeg, azDeg] : positions) {
            const AltAz position = getAltAz(haDeg, decDeg, latDeg);
            QCOMPARE_NEAR(position.Alt, altDeg, 5e-5);
            QVERIFY2(position.Az >= 0.0 && position.Az <= 360.0
                         && (std::isnan(azDeg) || std::abs(std::remainder(position.Az - azDeg, 360.0)) <= 5e-5),
                     qPrintable(QString::number(position.Az)));
        }
    }

    // Hours to the next upper transit, or since the last one: the lower transit divides them. A
    // session's end hour angle: 15 degrees an hour, brought back below 360 once; exactly 360 stays.
    void hourAngles()
    {
        const double transits[][2] = {{0, 0}, {0.01, -0.000667}, {179, -11.9333}, {180, -12}, {181, 11.9333}, {270, 6}};
        for (const auto &[haDeg, hours] : transits)
            QCOMPARE_NEAR(hoursToTransit(haDeg), hours, 5e-5);
        const double ends[][3] = {{10, 0, 10}, {350, 2, 20}, {330, 2, 360}, {300, 24, 300}, {0, 24, 360}};
        for (const auto &[startHaDeg, hours, endHaDeg] : ends)
            QCOMPARE(sessionEndHourAngleDeg(startHaDeg, hours), endHaDeg);
    }

    // Both edges pass in both modes; a window never wraps through north by itself, and an empty
    // open interval keeps out nothing. Both instants must pass, and an edge value passes.
    void positionTests()
    {
        using enum AzimuthWindowMode;
        const std::tuple<AzimuthWindow, double, bool> windows[] = {  // window, azimuth, inside
            {{90, 270, Inclusive}, 90, true},     {{90, 270, Inclusive}, 270, true},   {{90, 270, Inclusive}, 89.99, false},
            {{90, 270, Inclusive}, 300, false},   {{90, 270, Exclusive}, 90, true},    {{90, 270, Exclusive}, 270, true},
            {{90, 270, Exclusive}, 180, false},   {{90, 270, Exclusive}, 0, true},     {{300, 100, Inclusive}, 350, false},
            {{300, 100, Inclusive}, 50, false},   {{90, 90, Exclusive}, 200, true}};
        for (const auto &[window, azDeg, inside] : windows)
            QVERIFY2(azimuthInWindow(azDeg, window) == inside, qPrintable(QString::number(azDeg)));
        const AzimuthWindow south{150, 210, Inclusive};
        const std::tuple<AltAz, AltAz, double, bool, bool> cases[] = {  // start, end, min elevation, passes each
            {{20, 150}, {10, 210}, 10, true, true},      {{9.99, 180}, {20, 180}, 10, false, true},
            {{20, 149.9}, {9.99, 180}, 10, false, false}, {{20, 180}, {20, 210.1}, 10, true, false}};
        for (const auto &[start, end, minElevDeg, elevationPasses, azimuthPasses] : cases) {
            QCOMPARE(passesElevationTest(start, end, minElevDeg), elevationPasses);
            QCOMPARE(passesAzimuthTest(start, end, south), azimuthPasses);
        }
    }
};

QTEST_APPLESS_MAIN(TestSky)
#include "test_sky.moc"
