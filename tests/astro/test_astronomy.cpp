#include "astro/horizontal.h"
#include "astro/siderealtime.h"
#include "nearcompare.h"

#include <QTest>

Q_DECLARE_METATYPE(CalendarDate)
Q_DECLARE_METATYPE(ClockTime)

// Sidereal time, hour angle, altitude and azimuth, hours to transit.
//
// Reference values: J. Meeus, Astronomical Algorithms, 2nd ed., examples 12.a and 12.b (mean
// sidereal time at Greenwich on 1987 April 10); the other sidereal times from the U.S. Naval
// Observatory's approximation GMST = 18.697374558 h + 24.06570982441908 h per day since J2000
// (plus 0.000388 degrees per century squared for 1900), with the day counts from the Julian dates;
// the worked Grand Rapids session of 15 March 2006 (sidereal time 125.5674); the altitude and
// azimuth pairs of the planner's worked examples, checked with the spherical-triangle relations.

class TestAstronomy : public QObject {
    Q_OBJECT

private slots:
    void siderealTime_data()
    {
        QTest::addColumn<CalendarDate>("date");
        QTest::addColumn<ClockTime>("time");
        QTest::addColumn<double>("gmtDeviationHours");
        QTest::addColumn<double>("lonDeg");
        QTest::addColumn<double>("days");
        QTest::addColumn<double>("siderealDeg");

        QTest::newRow("J2000 epoch") << CalendarDate{2000, 1, 1} << ClockTime{12, 0, 0} << 0.0 << 0.0 << 0.0
                                     << 280.46061837;
        QTest::newRow("same instant, EST") << CalendarDate{2000, 1, 1} << ClockTime{7, 0, 0} << -5.0 << 0.0 << 0.0
                                           << 280.46061837;
        // 21:30 EST on 15 March 2006 is already 16 March in UT.
        QTest::newRow("worked session") << CalendarDate{2006, 3, 15} << ClockTime{21, 30, 0} << -5.0 << -85.48
                                        << 2265.6041667 << 125.5674;
        QTest::newRow("seconds count") << CalendarDate{2006, 3, 15} << ClockTime{21, 30, 30} << -5.0 << -85.48
                                       << 2265.6045139 << 125.6927;
        QTest::newRow("Meeus 12.a, before 2000") << CalendarDate{1987, 4, 10} << ClockTime{0, 0, 0} << 0.0 << 0.0
                                                 << -4649.5 << 197.693195;
        QTest::newRow("Meeus 12.b, before 2000") << CalendarDate{1987, 4, 10} << ClockTime{19, 21, 0} << 0.0 << 0.0
                                                 << -4648.69375 << 128.7378734;
        QTest::newRow("January, year before") << CalendarDate{2006, 1, 1} << ClockTime{0, 0, 0} << 0.0 << 0.0
                                              << 2191.5 << 100.5068;
        QTest::newRow("fractional deviation") << CalendarDate{2010, 6, 1} << ClockTime{20, 0, 0} << 5.5 << 77.2
                                              << 3804.1041667 << 184.6659;
        QTest::newRow("century not leap") << CalendarDate{1900, 3, 1} << ClockTime{12, 0, 0} << 0.0 << 0.0
                                          << -36465.0 << 338.8298;
    }

    void siderealTime()
    {
        QFETCH(CalendarDate, date);
        QFETCH(ClockTime, time);
        QFETCH(double, gmtDeviationHours);
        QFETCH(double, lonDeg);
        QFETCH(double, days);
        QFETCH(double, siderealDeg);

        QCOMPARE_NEAR(daysSinceJ2000(date, time, gmtDeviationHours), days, 1e-6);
        QCOMPARE_NEAR(getSiderealTime(date, time, gmtDeviationHours, lonDeg), siderealDeg, 5e-5);
        // The hour angle of an object 10 degrees east of the meridian wraps once to 350.
        const double localSiderealDeg = getSiderealTime(date, time, gmtDeviationHours, lonDeg);
        QCOMPARE_NEAR(hourAngleDeg(localSiderealDeg, localSiderealDeg + 10.0), 350.0, 1e-9);
    }

    void altAz_data()
    {
        QTest::addColumn<double>("haDeg");
        QTest::addColumn<double>("decDeg");
        QTest::addColumn<double>("latDeg");
        QTest::addColumn<double>("altDeg");
        QTest::addColumn<double>("azDeg");

        QTest::newRow("setting on the equator") << 90.0 << 0.0 << 45.0 << 0.0 << 270.0;
        QTest::newRow("rising on the equator") << 270.0 << 0.0 << 45.0 << 0.0 << 90.0;
        QTest::newRow("west of meridian") << 30.0 << 20.0 << 40.0 << 57.4851 << 240.9388;
        QTest::newRow("east of meridian") << 330.0 << 20.0 << 40.0 << 57.4851 << 119.0612;
        QTest::newRow("below the pole") << 150.0 << 60.0 << 42.93 << 15.8314 << 344.9384;
        // Where the azimuth is undefined (-1 below) it still comes out as a finite azimuth.
        QTest::newRow("zenith") << 0.0 << 42.0 << 42.0 << 90.0 << -1.0;
        QTest::newRow("nadir") << 180.0 << -42.0 << 42.0 << -90.0 << -1.0;
        QTest::newRow("north pole") << 75.0 << 30.0 << 90.0 << 30.0 << -1.0;
        QTest::newRow("on the meridian, south") << 0.0 << 10.0 << 50.0 << 50.0 << 180.0;
        QTest::newRow("lower transit") << 180.0 << 80.0 << 50.0 << 40.0 << 0.0;
    }

    void altAz()
    {
        QFETCH(double, haDeg);
        QFETCH(double, decDeg);
        QFETCH(double, latDeg);
        QFETCH(double, altDeg);
        QFETCH(double, azDeg);

        const AltAz position = getAltAz(haDeg, decDeg, latDeg);
        QCOMPARE_NEAR(position.Alt, altDeg, 5e-5);
        if (azDeg < 0.0)
            QVERIFY2(position.Az >= 0.0 && position.Az <= 360.0, qPrintable(QString::number(position.Az)));
        else  // 0 and 360 are both north
            QCOMPARE_NEAR(std::remainder(position.Az - azDeg, 360.0), 0.0, 5e-5);
    }

    void hoursToTransit_data()
    {
        QTest::addColumn<double>("haDeg");
        QTest::addColumn<double>("hours");

        QTest::newRow("on the meridian") << 0.0 << 0.0;
        QTest::newRow("6 h past") << 90.0 << -6.0;
        QTest::newRow("just before the lower transit") << 179.0 << -11.9333;
        QTest::newRow("lower transit") << 180.0 << -12.0;
        QTest::newRow("just after the lower transit") << 181.0 << 11.9333;
        QTest::newRow("6 h to go") << 270.0 << 6.0;
        QTest::newRow("full circle") << 360.0 << 0.0;
    }

    void hoursToTransit()
    {
        QFETCH(double, haDeg);
        QFETCH(double, hours);
        QCOMPARE_NEAR(::hoursToTransit(haDeg), hours, 5e-5);
    }
};

QTEST_APPLESS_MAIN(TestAstronomy)
#include "test_astronomy.moc"
