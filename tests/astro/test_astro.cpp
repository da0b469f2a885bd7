#include "plan/coordinateformat.h"
#include "plan/fieldnumber.h"
#include "sky/horizontal.h"
#include "plan/listgeneration.h"
#include "plan/listgrid.h"
#include "plan/localenumbers.h"
#include "plan/sessioninputs.h"
#include "plan/sessiontext.h"
#include "sky/siderealtime.h"
#include "nearcompare.h"

#include <QDate>
#include <QTest>

#include <cmath>

// The numbers of the sky and the list: sidereal time, hour angle, altitude and azimuth, hours to
// transit; the session's texts read under the observer's locale; the list generated from them.
//
// Reference values: J. Meeus, Astronomical Algorithms, 2nd ed., examples 12.a and 12.b (mean
// sidereal time at Greenwich on 1987 April 10); the other sidereal times from the U.S. Naval
// Observatory's approximation GMST = 18.697374558 h + 24.06570982441908 h per day since J2000
// (plus 0.000388 degrees per century squared for 1900), with the day counts from the Julian dates;
// the worked Grand Rapids session of 15 March 2006 (sidereal time 125.5674); the altitude and
// azimuth pairs of the planner's worked examples, checked with the spherical-triangle relations.

namespace {

// Keeps what list generation puts into a grid.
class RecordingGrid : public ListGrid {
public:
    QString layout;
    QStringList rows;

    void resetList(const QString &newLayout) override
    {
        layout = newLayout;
        rows.clear();
    }
    void showRows(QStringList rowTexts) override { rows += rowTexts; }

    QStringList column(int col) const
    {
        QStringList cells;
        for (const QString &row : rows)
            cells << row.section(u'\t', col, col);
        return cells;
    }
};

CatalogObject object(const QString &identifier, double raDeg, double decDeg, const QString &type)
{
    return {identifier, {}, raDeg, decDeg, QStringLiteral("10"), {}, QStringLiteral("8"), type, QStringLiteral("Ori"), {}};
}

// The worked session: Grand Rapids, 15 March 2006, 21:30 EST, two hours, every filter open.
SessionParameters workedSession()
{
    return {.Lat = "42.93", .Lon = "-85.48", .txtDate = "3/15/2006", .txtTime = "21:30:0", .txtGMTDev = "-5",
            .txtSessLen = "2", .MinElev = "-90", .MinSize = "0"};
}

// Its three objects; start and end positions as worked out by hand:
//   first   28.67, 229.10 -> 9.44, 253.45     second 12.57, 315.69 -> -0.05, 334.39
//   third    3.91,  41.42 -> 20.79, 59.00
std::vector<CatalogObject> workedCatalog()
{
    return {object(QStringLiteral("first"), 83.8, -5.39, QStringLiteral("nebula")),
            object(QStringLiteral("second"), 10.675, 41.27, QStringLiteral("galaxy")),
            object(QStringLiteral("third"), 250.42, 36.46, QStringLiteral("globular cluster"))};
}

}  // namespace

class TestAstro : public QObject {
    Q_OBJECT

private slots:
    void siderealTime()
    {
        const struct {
            CalendarDate date;
            ClockTime time;
            double gmtDeviationHours, lonDeg, days, siderealDeg;
        } cases[] = {
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
        for (const auto &test : cases) {
            QCOMPARE_NEAR(daysSinceJ2000(test.date, test.time, test.gmtDeviationHours), test.days, 1e-6);
            const double localSiderealDeg = getSiderealTime(test.date, test.time, test.gmtDeviationHours, test.lonDeg);
            QCOMPARE_NEAR(localSiderealDeg, test.siderealDeg, 5e-5);
            // The hour angle of an object 10 degrees east of the meridian wraps once to 350.
            QCOMPARE_NEAR(hourAngleDeg(localSiderealDeg, localSiderealDeg + 10.0), 350.0, 1e-9);
        }
    }

    void altAzAndHoursToTransit()
    {
        constexpr double Undefined = -1.0;  // an azimuth that only has to be one
        const struct {
            double haDeg, decDeg, latDeg, altDeg, azDeg;
        } positions[] = {
            {90.0, 0.0, 45.0, 0.0, 270.0},  // setting on the equator
            {30.0, 20.0, 40.0, 57.4851, 240.9388}, {330.0, 20.0, 40.0, 57.4851, 119.0612},
            {150.0, 60.0, 42.93, 15.8314, 344.9384},  // below the pole
            {0.0, 42.0, 42.0, 90.0, Undefined},       // zenith
            {180.0, -42.0, 42.0, -90.0, Undefined},   // nadir
            {75.0, 30.0, 90.0, 30.0, Undefined},      // from the north pole
            {0.0, 10.0, 50.0, 50.0, 180.0}, {180.0, 80.0, 50.0, 40.0, 0.0},  // upper and lower transit
        };
        for (const auto &test : positions) {
            const AltAz position = getAltAz(test.haDeg, test.decDeg, test.latDeg);
            QCOMPARE_NEAR(position.Alt, test.altDeg, 5e-5);
            if (test.azDeg == Undefined)
                QVERIFY2(position.Az >= 0.0 && position.Az <= 360.0, qPrintable(QString::number(position.Az)));
            else  // 0 and 360 are both north
                QCOMPARE_NEAR(std::remainder(position.Az - test.azDeg, 360.0), 0.0, 5e-5);
        }
        // Hours to the next upper transit, or since the last one: the lower transit divides them.
        const std::pair<double, double> transits[] = {{0.0, 0.0}, {179.0, -11.9333}, {180.0, -12.0},
                                                      {181.0, 11.9333}, {270.0, 6.0}};
        for (const auto &[haDeg, hours] : transits)
            QCOMPARE_NEAR(hoursToTransit(haDeg), hours, 5e-5);
    }

    void readsDatesAndTimes()
    {
        const QLocale german("de_DE");
        const std::tuple<QLocale, const char *, QDate> dates[] = {  // an invalid date: not a date
            {QLocale::c(), " 3/15/2006 ", QDate(2006, 3, 15)}, {QLocale::c(), "2006-03-15", QDate(2006, 3, 15)},
            {QLocale::c(), "15/3/2006", QDate()},              {QLocale::c(), "2/30/2006", QDate()},
            {QLocale::c(), "tomorrow", QDate()},               {german, "15.03.2006", QDate(2006, 3, 15)},
            {german, "1/1/2006", QDate(2006, 1, 1)},  // the text an emptied field gets back
        };
        for (const auto &[locale, text, date] : dates) {
            const auto read = readSessionDate(QString::fromUtf8(text), locale);
            QCOMPARE(read ? QDate(read->year, read->month, read->day) : QDate(), date);
        }
        const std::pair<const char *, const char *> times[] = {  // h:m:s as read, empty: not a time
            {"21:5:0", "21:5:0"}, {"09:05:07", "9:5:7"}, {" 7 : 5 : 3 ", "7:5:3"}, {"24:0:0", ""},
            {"9:60:0", ""},       {"21:30", ""},         {"9:30:0.5", ""}};
        for (const auto &[text, time] : times) {
            const auto read = readSessionTime(QString::fromUtf8(text));
            QCOMPARE(read ? QStringLiteral("%1:%2:%3").arg(read->hour).arg(read->minute).arg(read->second) : QString(),
                     QString::fromUtf8(time));
        }
    }

    // With all four digits of the year, read back as written.
    void writtenDateReadsBack()
    {
        for (const char *name : {"C", "en_US", "de_DE", "fr_FR"}) {
            const QString written = writeSessionDate(QDate(1999, 10, 31), QLocale(name));
            const auto read = readSessionDate(written, QLocale(name));
            QVERIFY2(written.contains(u"1999") && read && read->year == 1999 && read->month == 10 && read->day == 31,
                     qPrintable(written));
        }
    }

    void readsNumbers()
    {
        using P = SessionParameters;
        using I = SessionInputs;
        const QLocale c = QLocale::c();
        const QLocale german("de_DE");
        const double refused = qQNaN();
        const struct {
            QLocale locale;
            SessionTextField field;
            double SessionInputs::*number;
            const char *text;
            double value;
        } cases[] = {
            {c, &P::MinMag, &I::faintestMag, " 42.93 ", 42.93}, {c, &P::MinMag, &I::faintestMag, "42,93", refused},
            {german, &P::MinMag, &I::faintestMag, "-5,75", -5.75}, {german, &P::MinMag, &I::faintestMag, "4.293,5", refused},
            {german, &P::Lat, &I::latDeg, "42.93", 42.93},  // a point is read under every locale
            {QLocale("en_US"), &P::MaxSize, &I::maxSizeArcmin, "1,000", refused},
            {c, &P::MinElev, &I::minElevDeg, "1e400", refused}, {c, &P::MinSize, &I::minSizeArcmin, "-1e308", -1e308},
            {c, &P::Lat, &I::latDeg, "-90", -90.0}, {c, &P::Lat, &I::latDeg, "90.5", refused},
            {c, &P::Lon, &I::lonDeg, "-181", refused}, {c, &P::txtGMTDev, &I::gmtDeviationHours, "14", 14.0},
            {c, &P::txtGMTDev, &I::gmtDeviationHours, "-12.5", refused},
            {c, &P::txtSessLen, &I::sessionLengthHours, "0", 0.0}, {c, &P::txtSessLen, &I::sessionLengthHours, "-1", refused},
        };
        for (const auto &test : cases) {
            P parameters{.txtDate = "1/1/2006", .txtTime = "0:0:0", .txtGMTDev = "0"};
            parameters.*test.field = QString::fromUtf8(test.text);
            const SessionReading reading = readSessionInputs(parameters, test.locale);
            const bool asExpected = qIsNaN(test.value)
                                        ? reading.problems.size() == 1 && reading.problems.first().field == test.field
                                        : reading.ok() && reading.inputs.*test.number == test.value;
            QVERIFY2(asExpected, test.text);
        }
    }

    // Every input that cannot be read is named, in the order of the inputs, with what to type; the
    // others are still read.
    void namesEveryUnreadableInput()
    {
        // Only the exact caption "Inclusive" is inclusive; a grayed box counts as off.
        const SessionParameters parameters{.Lat = "91", .txtDate = "soon", .txtTime = "21:30", .txtGMTDev = "-5",
                                           .MaxSize = "", .chkGalaxy = 2, .chkOpen = 0, .Included = "inclusive"};

        const SessionReading reading = readSessionInputs(parameters, QLocale::c());
        QStringList problems;
        for (const FieldProblem &problem : reading.problems)
            problems << problem.expected;
        QCOMPARE(problems, (QStringList{"Expected a date such as 3/15/2006",
                                        "Expected a time as hours:minutes:seconds, such as 21:30:0",
                                        "Expected a latitude in degrees from -90 to 90 (north positive), such as 42.93",
                                        "Expected a number such as -5.5"}));
        QCOMPARE(reading.problems.last().field, &SessionParameters::MaxSize);
        QCOMPARE(reading.inputs.gmtDeviationHours, -5.0);
        QCOMPARE(reading.inputs.azimuthMode, AzimuthWindowMode::Exclusive);
        const TypeFilter &types = reading.inputs.types;
        QCOMPARE(QList<bool>({types.nebula, types.planetary, types.galaxy, types.globular, types.open}),
                 QList<bool>({true, true, false, true, false}));
    }

    // The worked session at three minimum elevations: the second object is 0.05 degrees below
    // the horizon at the end. Positions are kept for objects left out too.
    void workedRun()
    {
        const std::pair<const char *, QStringList> runs[] = {{"0", {"third", "first"}}, {"5", {"first"}}, {"30", {}}};
        for (const auto &[minElev, identifiersTopDown] : runs) {
            SessionParameters session = workedSession();
            session.MinElev = QString::fromUtf8(minElev);
            auto catalog = workedCatalog();
            RecordingGrid grid;
            const ListOutcome outcome = generateList(session, catalog, grid, QLocale::c());
            QVERIFY(outcome.ok() && grid.layout == ResultsLayout);
            QCOMPARE(grid.column(0), identifiersTopDown);
            QCOMPARE(outcome.ResultCount, grid.rows.size());
            QVERIFY(!catalog[1].Listed && catalog[0].Listed == identifiersTopDown.contains(u"first"));
            QCOMPARE(QString::number(catalog[1].Alt, 'f', 2), QStringLiteral("12.57"));
        }

        // Every object, written in the grid's locale.
        auto catalog = workedCatalog();
        RecordingGrid grid;
        generateList(workedSession(), catalog, grid, QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(grid.rows, (QStringList{
                                "third\t\tglobular cluster\t10\t3,91\t41,42\t16 41,7\t36 28\t8,32\t8\tOri\t",
                                "second\t\tgalaxy\t10\t12,57\t315,69\t0 42,7\t41 16\t-7,66\t8\tOri\t",
                                "first\t\tnebula\t10\t28,67\t229,10\t5 35,2\t-6 37\t-2,78\t8\tOri\t"}));

        // A field that cannot be read lists nothing, not even what the list before left listed.
        SessionParameters unreadable = workedSession();
        unreadable.MinMag = QStringLiteral("nan");
        const ListOutcome outcome = generateList(unreadable, catalog, grid, QLocale::c());
        QVERIFY(outcome.ResultCount == 0 && grid.rows.isEmpty() && grid.layout == ResultsLayout);
        QCOMPARE(outcome.problems.value(0).field, &SessionParameters::MinMag);
        QVERIFY(std::ranges::none_of(catalog, &CatalogObject::Listed));
    }

    void filters_data()
    {
        QTest::addColumn<QStringList>("inputs");  // field=value; the object's Size, Mag and Type too
        QTest::addColumn<bool>("listed");

        // The first worked object: 28.67, 229.10 at the start and 9.44, 253.45 at the end.
        QTest::newRow("open session") << QStringList{} << true;
        QTest::newRow("elevation just below the end") << QStringList{"MinElev=9.43"} << true;
        QTest::newRow("elevation just above the end") << QStringList{"MinElev=9.45"} << false;
        QTest::newRow("no session length") << QStringList{"txtSessLen=0", "MinElev=28.66"} << true;
        QTest::newRow("inclusive around both") << QStringList{"MinAz=229", "MaxAz=254"} << true;
        QTest::newRow("inclusive, start outside") << QStringList{"MinAz=229.2", "MaxAz=254"} << false;
        QTest::newRow("inclusive, end outside") << QStringList{"MinAz=229", "MaxAz=253.4"} << false;
        QTest::newRow("exclusive, both outside") << QStringList{"MinAz=60", "MaxAz=229", "Included=Exclusive"} << true;
        QTest::newRow("exclusive, end inside") << QStringList{"MinAz=230", "MaxAz=300", "Included=Exclusive"} << false;
        QTest::newRow("exclusive, equal edges") << QStringList{"MinAz=90", "MaxAz=90", "Included=Exclusive"} << true;
        QTest::newRow("inclusive, reversed") << QStringList{"MinAz=300", "MaxAz=100"} << false;
        QTest::newRow("size at minimum") << QStringList{"MinSize=10"} << true;
        QTest::newRow("size at maximum") << QStringList{"MaxSize=10"} << true;
        QTest::newRow("size below") << QStringList{"Size=9.9", "MinSize=10"} << false;
        QTest::newRow("size not a number") << QStringList{"Size=?"} << false;
        QTest::newRow("magnitude at limit") << QStringList{"MinMag=8"} << true;
        QTest::newRow("magnitude fainter") << QStringList{"Mag=8.1", "MinMag=8"} << false;
        QTest::newRow("magnitude unknown") << QStringList{"Mag="} << false;
        QTest::newRow("blanks around numbers") << QStringList{"Size= 10 ", "Mag= 8.5"} << true;
        QTest::newRow("planetary, nebula box") << QStringList{"Type=planetary nebula", "chkPlanetary=0"} << false;
        QTest::newRow("planetary, its box") << QStringList{"Type=planetary nebula", "chkNebula=0"} << true;
        QTest::newRow("cluster with nebula, open box") << QStringList{"Type=open cluster and nebula", "chkNebula=0"} << true;
        QTest::newRow("open inside a word") << QStringList{"Type=reopened", "chkNebula=0", "chkGalaxy=0"} << true;
        QTest::newRow("none of the words") << QStringList{"Type=double star"} << false;
    }

    // One object through the whole generation, one filter at a time.
    void filters()
    {
        QFETCH(QStringList, inputs);
        SessionParameters session = workedSession();
        std::vector<CatalogObject> catalog{workedCatalog().front()};
        CatalogObject &object = catalog[0];
        const QHash<QString, QString *> texts{
            {"MinElev", &session.MinElev}, {"txtSessLen", &session.txtSessLen}, {"MinAz", &session.MinAz},
            {"MaxAz", &session.MaxAz},     {"MinSize", &session.MinSize},       {"MaxSize", &session.MaxSize},
            {"MinMag", &session.MinMag},   {"Included", &session.Included},     {"Size", &object.Size},
            {"Mag", &object.Mag},          {"Type", &object.ObjType}};
        const QHash<QString, int *> boxes{
            {"chkNebula", &session.chkNebula}, {"chkPlanetary", &session.chkPlanetary}, {"chkGalaxy", &session.chkGalaxy}};
        for (const QString &input : inputs) {
            const QString name = input.section(u'=', 0, 0);
            if (boxes.contains(name))
                *boxes.value(name) = input.section(u'=', 1).toInt();
            else
                *texts.value(name) = input.section(u'=', 1);
        }
        RecordingGrid grid;

        const ListOutcome outcome = generateList(session, catalog, grid, QLocale::c());

        QFETCH(bool, listed);
        QVERIFY(outcome.ok() && outcome.ResultCount == (listed ? 1 : 0));
        QCOMPARE(object.Listed, listed);
    }

    // Degrees written as the list writes them: "1 60.0" and "11 60" as the minutes round.
    void coordinateTexts()
    {
        const LocaleNumbers numbers(QLocale::c());
        QCOMPARE(QStringList({formatRA(45.0, numbers), formatRA(29.9999, numbers)}), QStringList({"3 0.0", "1 60.0"}));
        QCOMPARE(QStringList({formatDec(-20.5, numbers), formatDec(-0.25, numbers), formatDec(11.999, numbers)}),
                 QStringList({"-21 30", "-1 45", "11 60"}));
    }

    // The fast fixed-point writer writes what the locale itself writes: its minus sign, digits and
    // grouping.
    void matchesTheLocale()
    {
        // Exact halves, values just beside them, zeros of both signs, the grouping edge.
        QList<double> values{0.125, -0.125, 2.5, -2.5, 0.375, 1.005, 2.675, 0.0, -0.0, -0.001, -0.4,
                             59.95, 59.96, 999.994, 999.996, 1000.0, 1234.5, -98765.4321, 45.267, 1e-9};
        for (int i = 0; i < 4000; ++i)
            values << (i * 0.0731 - 146.0) * (i % 7 == 0 ? -1.0 : 1.0);
        for (const char *name : {"C", "de_DE", "sv_SE", "ar_EG", "hi_IN"})
            matchesLocale(QLocale(QString::fromLatin1(name)), values);
    }

private:
    static void matchesLocale(const QLocale &locale, const QList<double> &values)
    {
        const LocaleNumbers numbers(locale);
        for (double value : values) {
            for (int decimals : {0, 1, 2}) {
                QString expected = locale.toString(value, 'f', decimals);
                // A value that rounds to zero carries no sign: "-0.00" would read as a direction.
                if (expected.startsWith(locale.negativeSign()) && std::abs(value) * std::pow(10, decimals) < 0.5)
                    expected.remove(0, locale.negativeSign().size());
                QCOMPARE(numbers.fixed(value, decimals), expected);
            }
        }
        QCOMPARE(numbers.fixed(-0.004, 2), locale.toString(0.0, 'f', 2));
    }
};

QTEST_APPLESS_MAIN(TestAstro)
#include "test_astro.moc"
