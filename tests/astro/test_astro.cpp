#include "astro/coordinateformat.h"
#include "astro/fieldnumber.h"
#include "astro/horizontal.h"
#include "astro/listgeneration.h"
#include "astro/listgrid.h"
#include "astro/localenumbers.h"
#include "astro/sessioninputs.h"
#include "astro/sessiontext.h"
#include "astro/siderealtime.h"
#include "nearcompare.h"

#include <QDate>
#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(CalendarDate)
Q_DECLARE_METATYPE(ClockTime)

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
    CatalogObject entry;
    entry.Identifier = identifier;
    entry.RA = raDeg;
    entry.Dec = decDeg;
    entry.ObjType = type;
    entry.Size = QStringLiteral("10");
    entry.Mag = QStringLiteral("8");
    entry.Constellation = QStringLiteral("Ori");
    return entry;
}

// The worked session: Grand Rapids, 15 March 2006, 21:30 EST, two hours, every filter open.
SessionParameters workedSession()
{
    SessionParameters p;
    p.Lat = QStringLiteral("42.93");
    p.Lon = QStringLiteral("-85.48");
    p.txtDate = QStringLiteral("3/15/2006");
    p.txtTime = QStringLiteral("21:30:0");
    p.txtGMTDev = QStringLiteral("-5");
    p.txtSessLen = QStringLiteral("2");
    p.MinElev = QStringLiteral("-90");
    p.MinSize = QStringLiteral("0");
    return p;
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

// The fast fixed-point writer must write exactly what the locale itself writes.

class TestAstro : public QObject {
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

    void readsDates_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");  // invalid: not a date

        const QLocale c = QLocale::c();
        const QLocale german(QLocale::German, QLocale::Germany);
        QTest::newRow("C, month first") << c << " 3/15/2006 " << QDate(2006, 3, 15);
        QTest::newRow("C, ISO") << c << "2006-03-15" << QDate(2006, 3, 15);
        QTest::newRow("C, day 15 as month") << c << "15/3/2006" << QDate();
        QTest::newRow("C, 30 February") << c << "2/30/2006" << QDate();
        QTest::newRow("C, words") << c << "tomorrow" << QDate();
        QTest::newRow("German short form") << german << "15.03.2006" << QDate(2006, 3, 15);
        QTest::newRow("German, refill value") << german << "1/1/2006" << QDate(2006, 1, 1);
    }

    void readsDates()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QFETCH(QDate, date);

        const auto read = readSessionDate(text, locale);
        QCOMPARE(read ? QDate(read->year, read->month, read->day) : QDate(), date);
    }

    void writtenDateReadsBack()
    {
        for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates),
                                      QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::French, QLocale::France)}) {
            for (const QDate date : {QDate(2006, 1, 1), QDate(1999, 10, 31)}) {
                const QString written = writeSessionDate(date, locale);
                QCOMPARE(written.count(QString::number(date.year())), 1);  // all four digits of the year
                const auto read = readSessionDate(written, locale);
                QVERIFY2(read && QDate(read->year, read->month, read->day) == date, qPrintable(written));
            }
        }
    }

    void readsTimes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("time");  // h:m:s as read, empty when not a time

        QTest::newRow("h:m:s") << "21:5:0" << "21:5:0";
        QTest::newRow("leading zeros") << "09:05:07" << "9:5:7";
        QTest::newRow("blanks in parts") << " 7 : 5 : 3 " << "7:5:3";
        QTest::newRow("last second") << "23:59:59" << "23:59:59";
        QTest::newRow("hour out of range") << "24:0:0" << "";
        QTest::newRow("minutes out of range") << "9:60:0" << "";
        QTest::newRow("one colon") << "21:30" << "";
        QTest::newRow("three colons") << "1:2:3:4" << "";
        QTest::newRow("letters") << "9:3o:0" << "";
        QTest::newRow("fraction") << "9:30:0.5" << "";
    }

    void readsTimes()
    {
        QFETCH(QString, text);

        const auto read = readSessionTime(text);
        QTEST(read ? QStringLiteral("%1:%2:%3").arg(read->hour).arg(read->minute).arg(read->second) : QString(), "time");
    }

    void readsNumbers_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("field");  // which input the text goes into
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");  // NaN: refused

        const double refused = qQNaN();
        const QLocale c = QLocale::c();
        const QLocale german(QLocale::German, QLocale::Germany);
        QTest::newRow("point") << c << "MinMag" << " 42.93 " << 42.93;
        QTest::newRow("comma in C") << c << "MinMag" << "42,93" << refused;
        QTest::newRow("German comma") << german << "MinMag" << "-5,75" << -5.75;
        QTest::newRow("German reads a point too") << german << "Lat" << "42.93" << 42.93;
        QTest::newRow("German group separator") << german << "MinMag" << "4.293,5" << refused;
        QTest::newRow("English group separator") << QLocale(QLocale::English, QLocale::UnitedStates) << "MaxSize"
                                                 << "1,000" << refused;
        QTest::newRow("nan") << c << "MinMag" << "nan" << refused;
        QTest::newRow("inf") << c << "MaxAz" << "-inf" << refused;
        QTest::newRow("1e400") << c << "MinElev" << "1e400" << refused;
        QTest::newRow("1e308 is a number") << c << "MinSize" << "-1e308" << -1e308;
        QTest::newRow("a blank") << c << "MinElev" << " " << refused;
        QTest::newRow("latitude at the pole") << c << "Lat" << "-90" << -90.0;
        QTest::newRow("latitude beyond the pole") << c << "Lat" << "90.5" << refused;
        QTest::newRow("longitude beyond 180") << c << "Lon" << "-181" << refused;
        QTest::newRow("deviation of Kiribati") << c << "txtGMTDev" << "14" << 14.0;
        QTest::newRow("deviation beyond -12") << c << "txtGMTDev" << "-12.5" << refused;
        QTest::newRow("no session") << c << "txtSessLen" << "0" << 0.0;
        QTest::newRow("negative session") << c << "txtSessLen" << "-1" << refused;
        QTest::newRow("session over a day") << c << "txtSessLen" << "24.5" << refused;
    }

    void readsNumbers()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(double, value);

        const QHash<QString, QPair<SessionTextField, double SessionInputs::*>> inputs{
            {"Lat", {&SessionParameters::Lat, &SessionInputs::latDeg}},
            {"Lon", {&SessionParameters::Lon, &SessionInputs::lonDeg}},
            {"txtGMTDev", {&SessionParameters::txtGMTDev, &SessionInputs::gmtDeviationHours}},
            {"txtSessLen", {&SessionParameters::txtSessLen, &SessionInputs::sessionLengthHours}},
            {"MinElev", {&SessionParameters::MinElev, &SessionInputs::minElevDeg}},
            {"MaxAz", {&SessionParameters::MaxAz, &SessionInputs::maxAzDeg}},
            {"MinMag", {&SessionParameters::MinMag, &SessionInputs::faintestMag}},
            {"MinSize", {&SessionParameters::MinSize, &SessionInputs::minSizeArcmin}},
            {"MaxSize", {&SessionParameters::MaxSize, &SessionInputs::maxSizeArcmin}},
        };
        const auto [textField, number] = inputs.value(field);
        SessionParameters parameters;
        parameters.txtDate = QStringLiteral("1/1/2006");
        parameters.txtTime = QStringLiteral("0:0:0");
        parameters.txtGMTDev = QStringLiteral("0");
        parameters.*textField = text;

        const SessionReading reading = readSessionInputs(parameters, locale);
        if (qIsNaN(value)) {
            QCOMPARE(reading.problems.size(), 1);
            QCOMPARE(reading.problems.first().field, textField);
            QVERIFY(reading.problems.first().expected.startsWith(QStringLiteral("Expected ")));
        } else {
            QVERIFY(reading.ok());
            QCOMPARE(reading.inputs.*number, value);
        }
    }

    // Every input that cannot be read is named, in the order of the inputs, with what to type; the
    // others are still read.
    void namesEveryUnreadableInput()
    {
        SessionParameters parameters;
        parameters.txtDate = QStringLiteral("soon");
        parameters.txtTime = QStringLiteral("21:30");
        parameters.txtGMTDev = QStringLiteral("-5");
        parameters.Lat = QStringLiteral("91");
        parameters.MaxSize = QString();
        parameters.Included = QStringLiteral("inclusive");  // only the exact caption is inclusive
        parameters.chkGalaxy = 2;                            // grayed counts as off
        parameters.chkOpen = 0;

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

    void workedRun_data()
    {
        QTest::addColumn<QString>("minElev");
        QTest::addColumn<QStringList>("identifiersTopDown");

        // The second object is 0.05 degrees below the horizon at the end of the session.
        QTest::newRow("horizon") << "0" << QStringList{"third", "first"};
        QTest::newRow("5 degrees") << "5" << QStringList{"first"};
        QTest::newRow("30 degrees") << "30" << QStringList{};
    }

    void workedRun()
    {
        QFETCH(QString, minElev);
        SessionParameters session = workedSession();
        session.MinElev = minElev;
        auto catalog = workedCatalog();
        RecordingGrid grid;

        const ListOutcome outcome = generateList(session, catalog, grid, QLocale::c());

        QVERIFY(outcome.ok());
        QCOMPARE(grid.layout, ResultsLayout);
        QTEST(grid.column(0), "identifiersTopDown");
        QCOMPARE(outcome.ResultCount, grid.rows.size());
        // Positions are written for objects left out too.
        QCOMPARE(QString::number(catalog[1].Alt, 'f', 2) + u' ' + QString::number(catalog[1].HrsToTransit, 'f', 2),
                 QStringLiteral("12.57 -7.66"));
        QCOMPARE(catalog[1].Listed, false);
    }

    void workedRowTexts()
    {
        auto catalog = workedCatalog();
        RecordingGrid grid;
        generateList(workedSession(), catalog, grid, QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(grid.rows, (QStringList{
                                "third\t\tglobular cluster\t10\t3,91\t41,42\t16 41,7\t36 28\t8,32\t8\tOri\t",
                                "second\t\tgalaxy\t10\t12,57\t315,69\t0 42,7\t41 16\t-7,66\t8\tOri\t",
                                "first\t\tnebula\t10\t28,67\t229,10\t5 35,2\t-6 37\t-2,78\t8\tOri\t"}));
    }

    void unreadableInputListsNothing()
    {
        auto catalog = workedCatalog();
        catalog[0].Listed = true;  // left over from an earlier list
        SessionParameters session = workedSession();
        session.MinMag = QStringLiteral("nan");
        RecordingGrid grid;

        const ListOutcome outcome = generateList(session, catalog, grid, QLocale::c());

        QCOMPARE(outcome.ResultCount, 0);
        QCOMPARE(outcome.problems.size(), 1);
        QCOMPARE(outcome.problems.first().field, &SessionParameters::MinMag);
        QCOMPARE(grid.layout, ResultsLayout);
        QVERIFY(grid.rows.isEmpty() && !catalog[0].Listed);
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
        QTest::newRow("unknown caption is exclusive") << QStringList{"MinAz=230", "MaxAz=300", "Included=inclusive"} << false;
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
        QTest::newRow("grayed box is off") << QStringList{"Type=galaxy pair", "chkGalaxy=2"} << false;
        QTest::newRow("none of the words") << QStringList{"Type=double star"} << false;
    }

    // One object through the whole generation, one filter at a time.
    void filters()
    {
        QFETCH(QStringList, inputs);
        SessionParameters session = workedSession();
        std::vector<CatalogObject> catalog{workedCatalog().front()};
        const QHash<QString, QString SessionParameters::*> texts{
            {"MinElev", &SessionParameters::MinElev}, {"txtSessLen", &SessionParameters::txtSessLen},
            {"MinAz", &SessionParameters::MinAz},     {"MaxAz", &SessionParameters::MaxAz},
            {"MinSize", &SessionParameters::MinSize}, {"MaxSize", &SessionParameters::MaxSize},
            {"MinMag", &SessionParameters::MinMag},   {"Included", &SessionParameters::Included}};
        const QHash<QString, int SessionParameters::*> boxes{
            {"chkNebula", &SessionParameters::chkNebula}, {"chkPlanetary", &SessionParameters::chkPlanetary},
            {"chkGalaxy", &SessionParameters::chkGalaxy}};
        const QHash<QString, QString CatalogObject::*> objectTexts{
            {"Size", &CatalogObject::Size}, {"Mag", &CatalogObject::Mag}, {"Type", &CatalogObject::ObjType}};
        for (const QString &input : inputs) {
            const QString name = input.section(u'=', 0, 0);
            const QString value = input.section(u'=', 1);
            if (texts.contains(name))
                session.*texts.value(name) = value;
            else if (boxes.contains(name))
                session.*boxes.value(name) = value.toInt();
            else
                catalog[0].*objectTexts.value(name) = value;
        }
        RecordingGrid grid;

        const ListOutcome outcome = generateList(session, catalog, grid, QLocale::c());

        QVERIFY(outcome.ok());
        QFETCH(bool, listed);
        QCOMPARE(catalog[0].Listed, listed);
        QCOMPARE(outcome.ResultCount, listed ? 1 : 0);
    }

    void coordinateTexts_data()
    {
        QTest::addColumn<bool>("rightAscension");
        QTest::addColumn<double>("degrees");
        QTest::addColumn<QString>("text");

        QTest::newRow("RA 45") << true << 45.0 << "3 0.0";
        QTest::newRow("RA 0") << true << 0.0 << "0 0.0";
        QTest::newRow("RA just below an hour") << true << 29.9999 << "1 60.0";
        QTest::newRow("Dec -20.5") << false << -20.5 << "-21 30";
        QTest::newRow("Dec -0.25") << false << -0.25 << "-1 45";
        QTest::newRow("Dec -3") << false << -3.0 << "-3 0";
        QTest::newRow("Dec just below a degree") << false << 11.999 << "11 60";
    }

    void coordinateTexts()
    {
        QFETCH(bool, rightAscension);
        QFETCH(double, degrees);
        const LocaleNumbers numbers(QLocale::c());
        QTEST(rightAscension ? formatRA(degrees, numbers) : formatDec(degrees, numbers), "text");
    }

    void matchesTheLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("C") << QLocale::c();
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany);
        QTest::newRow("fr_FR") << QLocale(QLocale::French, QLocale::France);
        QTest::newRow("sv_SE, minus sign") << QLocale(QLocale::Swedish, QLocale::Sweden);
        QTest::newRow("ar_EG, own digits") << QLocale(QLocale::Arabic, QLocale::Egypt);
        QTest::newRow("hi_IN, own grouping") << QLocale(QLocale::Hindi, QLocale::India);
    }

    void matchesTheLocale()
    {
        QFETCH(QLocale, locale);
        const LocaleNumbers numbers(locale);

        // Exact halves, values just beside them, zeros of both signs, the grouping edge.
        QList<double> values{0.125, -0.125, 2.5, -2.5, 0.375, 1.005, 2.675, 0.0, -0.0, -0.001, -0.4,
                             59.95, 59.96, 999.994, 999.996, 1000.0, 1234.5, -98765.4321, 45.267, 1e-9};
        for (int i = 0; i < 4000; ++i)
            values << (i * 0.0731 - 146.0) * (i % 7 == 0 ? -1.0 : 1.0);

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
