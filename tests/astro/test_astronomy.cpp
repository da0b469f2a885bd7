#include "astro/horizontal.h"
#include "astro/siderealtime.h"

#include <QTest>

// Sidereal time, hour angle, altitude/azimuth and hours to transit against worked values.
class TestAstronomy : public QObject {
    Q_OBJECT

private slots:
    void dayCount_data();
    void dayCount();
    void siderealTimeAtEpoch();
    void worked2006Session();
    void secondsCount();
    void fractionalGmtDeviationShiftsDayCount();
    void siderealTimeStaysInRange_data();
    void siderealTimeStaysInRange();
    void hourAngleWrapsOnce();
    void altAzTable_data();
    void altAzTable();
    void altAzDegeneratePointsAreFinite_data();
    void altAzDegeneratePointsAreFinite();
    void hoursToTransitTable_data();
    void hoursToTransitTable();
};

void TestAstronomy::dayCount_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("second");
    QTest::addColumn<double>("gmtDeviationHours");
    QTest::addColumn<double>("expectedDays");

    QTest::newRow("J2000 epoch") << 2000 << 1 << 1 << 12 << 0 << 0 << 0.0 << 0.0;
    QTest::newRow("same instant, EST") << 2000 << 1 << 1 << 7 << 0 << 0 << -5.0 << 0.0;
    // 21:30 EST on 15 March 2006 is 02:30 UT on 16 March.
    QTest::newRow("2006 worked session") << 2006 << 3 << 15 << 21 << 30 << 0 << -5.0 << 2265.6041667;
    QTest::newRow("leap day 2000") << 2000 << 2 << 29 << 12 << 0 << 0 << 0.0 << 59.0;
    QTest::newRow("1 March 2000") << 2000 << 3 << 1 << 12 << 0 << 0 << 0.0 << 60.0;
    // January and February count as months 13 and 14 of the year before.
    QTest::newRow("new year 2006") << 2006 << 1 << 1 << 0 << 0 << 0 << 0.0 << 2191.5;
    QTest::newRow("new year's eve 2005") << 2005 << 12 << 31 << 0 << 0 << 0 << 0.0 << 2190.5;
    QTest::newRow("century not leap") << 1900 << 3 << 1 << 12 << 0 << 0 << 0.0 << -36465.0;
}

void TestAstronomy::dayCount()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(int, second);
    QFETCH(double, gmtDeviationHours);
    QFETCH(double, expectedDays);

    const double days = daysSinceJ2000({year, month, day}, {hour, minute, second}, gmtDeviationHours);
    QVERIFY2(qAbs(days - expectedDays) < 1e-6, qPrintable(QString::number(days, 'f', 7)));
}

void TestAstronomy::siderealTimeAtEpoch()
{
    QCOMPARE(getSiderealTime({2000, 1, 1}, {12, 0, 0}, 0.0, 0.0), 280.46061837);
}


void TestAstronomy::worked2006Session()
{
    const double siderealDeg = getSiderealTime({2006, 3, 15}, {21, 30, 0}, -5.0, -85.48);
    QVERIFY2(qAbs(siderealDeg - 125.5674) < 5e-5, qPrintable(QString::number(siderealDeg, 'f', 6)));
    QVERIFY(qAbs(hourAngleDeg(siderealDeg, 83.8) - 41.7674) < 5e-5);
}

void TestAstronomy::secondsCount()
{
    const double at0 = getSiderealTime({2006, 3, 15}, {21, 30, 0}, -5.0, -85.48);
    const double at30 = getSiderealTime({2006, 3, 15}, {21, 30, 30}, -5.0, -85.48);
    QVERIFY2(qAbs(at30 - at0 - 0.1253) < 5e-5, qPrintable(QString::number(at30 - at0, 'f', 6)));
}

void TestAstronomy::fractionalGmtDeviationShiftsDayCount()
{
    const double atGreenwich = daysSinceJ2000({2010, 6, 1}, {20, 0, 0}, 0.0);
    const double inIndia = daysSinceJ2000({2010, 6, 1}, {20, 0, 0}, 5.5);
    QVERIFY(qAbs(atGreenwich - inIndia - 5.5 / 24.0) < 1e-9);
}


void TestAstronomy::siderealTimeStaysInRange_data()
{
    QTest::addColumn<double>("days");
    QTest::addColumn<double>("lonDeg");

    QTest::newRow("far future") << 2900000.0 << 179.9;
    QTest::newRow("far past") << -700000.0 << -179.9;
    QTest::newRow("negative before reduction") << -0.5 << -180.0;
    QTest::newRow("today") << 9836.3 << 13.4;
}

void TestAstronomy::siderealTimeStaysInRange()
{
    QFETCH(double, days);
    QFETCH(double, lonDeg);
    const double siderealDeg = localSiderealTimeDeg(days, lonDeg);
    QVERIFY(siderealDeg >= 0.0 && siderealDeg <= 360.0);
}

void TestAstronomy::hourAngleWrapsOnce()
{
    QCOMPARE(hourAngleDeg(100.0, 110.0), 350.0);
    QCOMPARE(hourAngleDeg(100.0, 40.0), 60.0);
    QCOMPARE(hourAngleDeg(0.0, 360.0), 0.0);
}

void TestAstronomy::altAzTable_data()
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
}

void TestAstronomy::altAzTable()
{
    QFETCH(double, haDeg);
    QFETCH(double, decDeg);
    QFETCH(double, latDeg);
    QFETCH(double, altDeg);
    QFETCH(double, azDeg);

    const AltAz position = getAltAz(haDeg, decDeg, latDeg);
    QVERIFY2(qAbs(position.Alt - altDeg) < 5e-5, qPrintable(QString::number(position.Alt, 'f', 6)));
    QVERIFY2(qAbs(position.Az - azDeg) < 5e-5, qPrintable(QString::number(position.Az, 'f', 6)));
}


void TestAstronomy::altAzDegeneratePointsAreFinite_data()
{
    QTest::addColumn<double>("haDeg");
    QTest::addColumn<double>("decDeg");
    QTest::addColumn<double>("latDeg");
    QTest::addColumn<double>("expectedAltDeg");

    QTest::newRow("zenith") << 0.0 << 42.0 << 42.0 << 90.0;
    QTest::newRow("nadir") << 180.0 << -42.0 << 42.0 << -90.0;
    QTest::newRow("north pole") << 75.0 << 30.0 << 90.0 << 30.0;
    QTest::newRow("south pole") << 200.0 << -60.0 << -90.0 << 60.0;
    QTest::newRow("on the meridian, south") << 0.0 << 10.0 << 50.0 << 50.0;
    QTest::newRow("on the meridian, north") << 0.0 << 80.0 << 50.0 << 60.0;
    QTest::newRow("lower transit") << 180.0 << 80.0 << 50.0 << 40.0;
    QTest::newRow("pole star at the pole") << 123.0 << 90.0 << 90.0 << 90.0;
}

void TestAstronomy::altAzDegeneratePointsAreFinite()
{
    QFETCH(double, haDeg);
    QFETCH(double, decDeg);
    QFETCH(double, latDeg);
    QFETCH(double, expectedAltDeg);

    const AltAz position = getAltAz(haDeg, decDeg, latDeg);
    QVERIFY(std::isfinite(position.Alt));
    QVERIFY(std::isfinite(position.Az));
    QVERIFY2(qAbs(position.Alt - expectedAltDeg) < 1e-6, qPrintable(QString::number(position.Alt)));
    QVERIFY(position.Az >= 0.0 && position.Az <= 360.0);
}

void TestAstronomy::hoursToTransitTable_data()
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

void TestAstronomy::hoursToTransitTable()
{
    QFETCH(double, haDeg);
    QFETCH(double, hours);
    QVERIFY(qAbs(hoursToTransit(haDeg) - hours) < 5e-5);
}

QTEST_APPLESS_MAIN(TestAstronomy)
#include "test_astronomy.moc"
