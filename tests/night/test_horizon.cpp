#include "astro/siderealtime.h"
#include "night/angles.h"
#include "night/horizonprofilefile.h"
#include "night/visibility.h"

#include <QPointF>
#include <QTest>

#include <algorithm>

namespace {

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

class TestHorizon : public QObject {
    Q_OBJECT

private slots:
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
        problemRow("inf", {"inf 10"}, 1, "the azimuth \"inf\" is not a finite number");
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

    void visibilityMatchesScan_data()
    {
        QTest::addColumn<double>("startHaDeg");
        QTest::addColumn<double>("decDeg");
        QTest::addColumn<double>("minElevDeg");
        QTest::addColumn<QStringList>("horizon");  // none: a flat horizon
        QTest::addColumn<QList<double>>("window");  // min, max, 1 when exclusive
        QTest::addColumn<QList<double>>("darkHours");  // start and end pairs, from the session start

        const QList<double> everyAzimuth{0, 360, 0};
        const QList<double> allDark{0, SessionHours};
        const QStringList hillsAndHouses{"0 3", "110 3", "118 28", "126 3", "200 3", "200 12", "260 12", "260 3"};
        const QStringList mastAndNorthernTrees{"20 40", "20 10", "329 10", "330 70", "331 10", "340 10", "340 40"};

        QTest::newRow("rising") << 200.0 << 20.0 << 10.0 << QStringList() << everyAzimuth << allDark;
        QTest::newRow("setting") << 30.0 << 0.0 << 0.0 << QStringList() << everyAzimuth << allDark;
        QTest::newRow("behind a peak, setting behind a wall")
            << 260.0 << -5.0 << 0.0 << hillsAndHouses << everyAzimuth << allDark;
        QTest::newRow("circumpolar") << 0.0 << 70.0 << 0.0 << QStringList() << everyAzimuth << allDark;
        QTest::newRow("circumpolar, twice behind a mast, then behind trees")
            << 30.0 << 70.0 << 0.0 << mastAndNorthernTrees << everyAzimuth << allDark;
        QTest::newRow("never up") << 0.0 << -50.0 << -5.0 << hillsAndHouses << everyAzimuth << allDark;
        QTest::newRow("inclusive window") << 300.0 << 20.0 << 0.0 << hillsAndHouses << QList<double>{150, 250, 0}
                                          << allDark;
        QTest::newRow("exclusive window across north")
            << 90.0 << 45.0 << 10.0 << QStringList() << QList<double>{40, 320, 1} << allDark;
        QTest::newRow("dark spans cut the span") << 30.0 << 0.0 << 0.0 << QStringList() << everyAzimuth
                                                 << QList<double>{3.8, 6, 2, 3.5, 1, 3};
    }

    void visibilityMatchesScan()
    {
        QFETCH(double, startHaDeg);
        QFETCH(double, decDeg);
        QFETCH(double, minElevDeg);
        QFETCH(QStringList, horizon);
        QFETCH(QList<double>, window);
        QFETCH(QList<double>, darkHours);

        const HorizonProfile profile = parseHorizonProfile(horizon).profile;
        VisibilityQuery query;
        query.latDeg = LatDeg;
        query.lonDeg = LonDeg;
        query.session.startDays = daysSinceJ2000({2024, 1, 15}, {18, 0, 0}, 0.0);
        query.session.endDays = query.session.startDays + SessionHours / 24.0;
        query.minElevDeg = minElevDeg;
        query.profile = horizon.isEmpty() ? nullptr : &profile;
        query.azimuthWindow = {window[0], window[1],
                               window[2] ? AzimuthWindowMode::Exclusive : AzimuthWindowMode::Inclusive};
        for (qsizetype i = 0; i + 1 < darkHours.size(); i += 2)
            query.darkSpans.push_back({query.session.startDays + darkHours[i] / 24.0,
                                       query.session.startDays + darkHours[i + 1] / 24.0});
        const double raDeg = wrapDeg(localSiderealTimeDeg(query.session.startDays, LonDeg) - startHaDeg);

        compareWithScan({raDeg, decDeg}, query, objectVisibility({raDeg, decDeg}, query));
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

QTEST_APPLESS_MAIN(TestHorizon)
#include "test_horizon.moc"
