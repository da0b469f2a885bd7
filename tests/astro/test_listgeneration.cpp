#include "astro/coordinateformat.h"
#include "astro/listgeneration.h"
#include "astro/listgrid.h"

#include <QTest>

namespace {

// Keeps what list generation does to a grid: the operations in order and the rows.
class RecordingGrid : public ListGrid {
public:
    QStringList operations;
    QStringList rows{QStringLiteral("heading")};
    QString layout;

    void Clear() override { operations << QStringLiteral("Clear"); }
    void setRows(int rowCount) override
    {
        operations << QStringLiteral("Rows=%1").arg(rowCount);
        rows.resize(rowCount);
    }
    void setFormatString(const QString &newLayout) override
    {
        operations << QStringLiteral("FormatString");
        layout = newLayout;
    }
    void AddItem(const QString &rowText, int rowIndex) override
    {
        operations << QStringLiteral("AddItem@%1").arg(rowIndex);
        rows.insert(rowIndex, rowText);
    }

    QString cell(int row, int col) const { return rows.at(row).split(QLatin1Char('\t')).at(col); }
};

CatalogObject object(const QString &identifier, double raDeg, double decDeg,
                     const QString &type = QStringLiteral("galaxy"),
                     const QString &size = QStringLiteral("10"), const QString &mag = QStringLiteral("8"))
{
    CatalogObject entry;
    entry.Identifier = identifier;
    entry.RA = raDeg;
    entry.Dec = decDeg;
    entry.ObjType = type;
    entry.Size = size;
    entry.Mag = mag;
    entry.Constellation = QStringLiteral("Ori");
    return entry;
}

// The worked session: Grand Rapids, 15 March 2006, 21:30 EST, two hours.
SessionParameters workedSession(const QString &minElev)
{
    SessionParameters p;
    p.Lat = QStringLiteral("42.93");
    p.Lon = QStringLiteral("-85.48");
    p.txtDate = QStringLiteral("3/15/2006");
    p.txtTime = QStringLiteral("21:30:0");
    p.txtGMTDev = QStringLiteral("-5");
    p.txtSessLen = QStringLiteral("2");
    p.MinElev = minElev;
    p.MinSize = QStringLiteral("0");
    return p;
}

std::vector<CatalogObject> workedCatalog()
{
    return {object(QStringLiteral("first"), 83.8, -5.39, QStringLiteral("nebula")),
            object(QStringLiteral("second"), 10.675, 41.27),
            object(QStringLiteral("third"), 250.42, 36.46, QStringLiteral("globular cluster"))};
}

SessionInputs openSession()
{
    SessionInputs inputs;
    inputs.minElevDeg = -90.0;
    inputs.minSizeArcmin = 0.0;
    return inputs;
}

}  // namespace

class TestListGeneration : public QObject {
    Q_OBJECT

private slots:
    void workedPlacements_data();
    void workedPlacements();
    void workedRunRowTexts();
    void workedRunListedRows_data();
    void workedRunListedRows();
    void resetsGridBeforeFilling();
    void emptyCatalogLeavesHeadingOnly();
    void unreadableInputListsNothing();
    void endHourAngle_data();
    void endHourAngle();
    void azimuthWindow_data();
    void azimuthWindow();
    void elevationAtTheEdge();
    void sizeAndMagnitudeEdges_data();
    void sizeAndMagnitudeEdges();
    void typeFilter_data();
    void typeFilter();
    void coordinateTexts_data();
    void coordinateTexts();
};

void TestListGeneration::workedPlacements_data()
{
    QTest::addColumn<double>("raDeg");
    QTest::addColumn<double>("decDeg");
    QTest::addColumn<QList<double>>("expected");  // ha0, ha1, start alt, az, end alt, az, hours

    QTest::newRow("first") << 83.8 << -5.39 << QList<double>{41.7674, 71.7674, 28.67, 229.10, 9.44, 253.45, -2.78};
    QTest::newRow("second") << 10.675 << 41.27 << QList<double>{114.8924, 144.8924, 12.57, 315.69, -0.05, 334.39, -7.66};
    QTest::newRow("third") << 250.42 << 36.46 << QList<double>{235.1474, 265.1474, 3.91, 41.42, 20.79, 59.00, 8.32};
}

void TestListGeneration::workedPlacements()
{
    QFETCH(double, raDeg);
    QFETCH(double, decDeg);
    QFETCH(QList<double>, expected);

    const double siderealDeg = getSiderealTime({2006, 3, 15}, {21, 30, 0}, -5.0, -85.48);
    const double startHaDeg = hourAngleDeg(siderealDeg, raDeg);
    QVERIFY(qAbs(startHaDeg - expected[0]) < 5e-5);
    QVERIFY(qAbs(sessionEndHourAngleDeg(startHaDeg, 2.0) - expected[1]) < 5e-5);
    const ObjectPlacement placement = placeObject(siderealDeg, raDeg, decDeg, 42.93, 2.0);
    const double shown[] = {placement.start.Alt, placement.start.Az, placement.end.Alt, placement.end.Az,
                            placement.hoursToTransit};
    for (int i = 0; i < 5; ++i)
        QVERIFY2(qAbs(shown[i] - expected[i + 2]) < 0.005, qPrintable(QString::number(shown[i])));
}

void TestListGeneration::workedRunRowTexts()
{
    auto catalog = workedCatalog();
    RecordingGrid grid;
    generateList(workedSession(QStringLiteral("-90")), catalog, grid, QLocale::c());
    // Rows come in reverse catalog order; the third object is on top.
    QCOMPARE(grid.rows.size(), 4);
    QCOMPARE(grid.rows.at(1),
             QStringLiteral("third\t\tglobular cluster\t10\t3.91\t41.42\t16 41.7\t36 28\t8.32\t8\tOri\t"));
    QCOMPARE(grid.cell(3, 6), QStringLiteral("5 35.2"));
    QCOMPARE(grid.cell(3, 7), QStringLiteral("-6 37"));
    QCOMPARE(grid.cell(2, 6), QStringLiteral("0 42.7"));
    QCOMPARE(grid.cell(2, 7), QStringLiteral("41 16"));
    QCOMPARE(grid.cell(2, 4), QStringLiteral("12.57"));
    QCOMPARE(grid.cell(2, 8), QStringLiteral("-7.66"));
}

void TestListGeneration::workedRunListedRows_data()
{
    QTest::addColumn<QString>("minElev");
    QTest::addColumn<QStringList>("identifiersTopDown");

    // The second object is 0.05 degrees below the horizon at the end of the session.
    QTest::newRow("horizon") << "0" << QStringList{QStringLiteral("third"), QStringLiteral("first")};
    QTest::newRow("5 degrees") << "5" << QStringList{QStringLiteral("first")};
    QTest::newRow("30 degrees") << "30" << QStringList{};
}

void TestListGeneration::workedRunListedRows()
{
    QFETCH(QString, minElev);
    QFETCH(QStringList, identifiersTopDown);

    auto catalog = workedCatalog();
    RecordingGrid grid;
    const ListOutcome outcome = generateList(workedSession(minElev), catalog, grid, QLocale::c());
    QVERIFY(outcome.unreadable.isEmpty());
    QCOMPARE(outcome.ResultCount, identifiersTopDown.size());
    QStringList shown;
    for (int row = 1; row < grid.rows.size(); ++row)
        shown << grid.cell(row, 0);
    QCOMPARE(shown, identifiersTopDown);
    // Positions are written for objects left out too.
    QVERIFY(!catalog[1].Listed);
    QVERIFY(qAbs(catalog[1].Alt - 12.57) < 0.005);
}

void TestListGeneration::resetsGridBeforeFilling()
{
    auto catalog = workedCatalog();
    RecordingGrid grid;
    generateList(workedSession(QStringLiteral("0")), catalog, grid, QLocale::c());
    const QStringList expected{QStringLiteral("Clear"), QStringLiteral("Rows=1"),
                               QStringLiteral("FormatString"), QStringLiteral("AddItem@1"),
                               QStringLiteral("AddItem@1")};
    QCOMPARE(grid.operations, expected);
    QCOMPARE(grid.layout.size(), 146);
    QCOMPARE(grid.layout.count(QLatin1Char('|')), 10);
    QVERIFY(grid.layout.startsWith(QStringLiteral("<Identifier       |<M#      |")));
}

void TestListGeneration::emptyCatalogLeavesHeadingOnly()
{
    RecordingGrid grid;
    const ListOutcome outcome = generateList(workedSession(QStringLiteral("0")), {}, grid, QLocale::c());
    QCOMPARE(outcome.ResultCount, 0);
    QCOMPARE(grid.rows.size(), 1);
}

void TestListGeneration::unreadableInputListsNothing()
{
    auto catalog = workedCatalog();
    catalog[0].Listed = true;  // left over from an earlier list
    RecordingGrid grid;
    SessionParameters session = workedSession(QStringLiteral("0"));
    session.MinMag = QStringLiteral("bright");
    const ListOutcome outcome = generateList(session, catalog, grid, QLocale::c());
    QCOMPARE(outcome.ResultCount, 0);
    QCOMPARE(outcome.unreadable, QList<SessionField>{SessionField::MinMag});
    QCOMPARE(grid.rows.size(), 1);
    QCOMPARE(grid.layout, ResultsLayout);
    QVERIFY(!catalog[0].Listed);
}


void TestListGeneration::endHourAngle_data()
{
    QTest::addColumn<double>("startHaDeg");
    QTest::addColumn<double>("hours");
    QTest::addColumn<double>("endHaDeg");

    QTest::newRow("wraps past 360") << 350.0 << 2.0 << 20.0;
    QTest::newRow("exactly 360 stays") << 300.0 << 4.0 << 360.0;
    QTest::newRow("no session") << 123.0 << 0.0 << 123.0;
    QTest::newRow("worked first object") << 41.7674 << 2.0 << 71.7674;
}

void TestListGeneration::endHourAngle()
{
    QFETCH(double, startHaDeg);
    QFETCH(double, hours);
    QFETCH(double, endHaDeg);
    QCOMPARE(sessionEndHourAngleDeg(startHaDeg, hours), endHaDeg);
}

void TestListGeneration::azimuthWindow_data()
{
    QTest::addColumn<double>("minAz");
    QTest::addColumn<double>("maxAz");
    QTest::addColumn<bool>("inclusive");
    QTest::addColumn<double>("startAz");
    QTest::addColumn<double>("endAz");
    QTest::addColumn<bool>("passes");

    QTest::newRow("inclusive, end outside") << 100.0 << 200.0 << true << 150.0 << 210.0 << false;
    QTest::newRow("inclusive, both edges") << 100.0 << 200.0 << true << 100.0 << 200.0 << true;
    QTest::newRow("inclusive, start outside") << 100.0 << 200.0 << true << 99.99 << 150.0 << false;
    QTest::newRow("exclusive across north") << 60.0 << 300.0 << false << 350.0 << 20.0 << true;
    QTest::newRow("exclusive, end inside") << 60.0 << 300.0 << false << 350.0 << 61.0 << false;
    QTest::newRow("exclusive, both edges") << 60.0 << 300.0 << false << 60.0 << 300.0 << true;
    QTest::newRow("inclusive, equal edges, on it") << 90.0 << 90.0 << true << 90.0 << 90.0 << true;
    QTest::newRow("inclusive, equal edges, off") << 90.0 << 90.0 << true << 90.0 << 91.0 << false;
    QTest::newRow("exclusive, equal edges") << 90.0 << 90.0 << false << 12.0 << 270.0 << true;
    QTest::newRow("inclusive, reversed") << 200.0 << 100.0 << true << 150.0 << 150.0 << false;
    QTest::newRow("exclusive, reversed") << 200.0 << 100.0 << false << 150.0 << 150.0 << true;
    QTest::newRow("start-up window") << 0.0 << 360.0 << true << 0.0 << 360.0 << true;
}

void TestListGeneration::azimuthWindow()
{
    QFETCH(double, minAz);
    QFETCH(double, maxAz);
    QFETCH(bool, inclusive);
    QFETCH(double, startAz);
    QFETCH(double, endAz);
    QFETCH(bool, passes);

    const AzimuthWindow window{minAz, maxAz,
                               inclusive ? AzimuthWindowMode::Inclusive : AzimuthWindowMode::Exclusive};
    QCOMPARE(passesAzimuthTest(AltAz{10.0, startAz}, AltAz{10.0, endAz}, window), passes);
}

void TestListGeneration::elevationAtTheEdge()
{
    QVERIFY(passesElevationTest(AltAz{30.0, 0.0}, AltAz{30.0, 0.0}, 30.0));
    QVERIFY(!passesElevationTest(AltAz{29.99, 0.0}, AltAz{45.0, 0.0}, 30.0));
    QVERIFY(!passesElevationTest(AltAz{45.0, 0.0}, AltAz{29.99, 0.0}, 30.0));
    // Setting and rising again between the two instants does not matter.
    QVERIFY(passesElevationTest(AltAz{5.0, 300.0}, AltAz{5.0, 60.0}, 0.0));
}

void TestListGeneration::sizeAndMagnitudeEdges_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("mag");
    QTest::addColumn<bool>("listed");

    // The session lists sizes 5 to 20 and magnitudes down to 9.
    QTest::newRow("size at minimum") << "5" << "8" << true;
    QTest::newRow("size at maximum") << "20" << "8" << true;
    QTest::newRow("size below") << "4.9" << "8" << false;
    QTest::newRow("size above") << "20.1" << "8" << false;
    QTest::newRow("magnitude at limit") << "10" << "9" << true;
    QTest::newRow("magnitude fainter") << "10" << "9.1" << false;
    QTest::newRow("magnitude unknown") << "10" << "" << false;
    QTest::newRow("size not a number") << "?" << "8" << false;
    QTest::newRow("blanks around numbers") << " 10 " << " 8.5" << true;
}

void TestListGeneration::sizeAndMagnitudeEdges()
{
    QFETCH(QString, size);
    QFETCH(QString, mag);
    QFETCH(bool, listed);

    SessionInputs inputs = openSession();
    inputs.minSizeArcmin = 5.0;
    inputs.maxSizeArcmin = 20.0;
    inputs.faintestMag = 9.0;
    std::vector<CatalogObject> catalog{object(QStringLiteral("one"), 0.0, 0.0,
                                              QStringLiteral("galaxy"), size, mag)};
    RecordingGrid grid;
    QCOMPARE(generateList(inputs, catalog, grid, QLocale::c()), listed ? 1 : 0);
    QCOMPARE(catalog[0].Listed, listed);
}

void TestListGeneration::typeFilter_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("checkedBox");  // 0 nebula, 1 planetary, 2 galaxy, 3 globular, 4 open
    QTest::addColumn<bool>("passes");

    QTest::newRow("planetary under nebula box") << "planetary nebula" << 0 << false;
    QTest::newRow("planetary under its box") << "planetary nebula" << 1 << true;
    QTest::newRow("cluster with nebula, nebula box") << "open cluster and nebula" << 0 << true;
    QTest::newRow("cluster with nebula, open box") << "open cluster and nebula" << 4 << true;
    QTest::newRow("cluster with nebula, galaxy box") << "open cluster and nebula" << 2 << false;
    QTest::newRow("open inside a word") << "reopened" << 4 << true;
    QTest::newRow("globular") << "globular cluster" << 3 << true;
    QTest::newRow("none of the words") << "double star" << 0 << false;
    QTest::newRow("galaxy pair") << "galaxy pair" << 2 << true;
}

void TestListGeneration::typeFilter()
{
    QFETCH(QString, type);
    QFETCH(int, checkedBox);
    QFETCH(bool, passes);

    int states[5] = {0, 0, 0, 0, 0};
    states[checkedBox] = 1;
    QCOMPARE(passesTypeFilter(type, typeFilterFromCheckStates(states[0], states[1], states[2],
                                                              states[3], states[4])),
             passes);
    // A grayed box lists nothing.
    states[checkedBox] = 2;
    QVERIFY(!passesTypeFilter(type, typeFilterFromCheckStates(states[0], states[1], states[2],
                                                              states[3], states[4])));
}

void TestListGeneration::coordinateTexts_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<bool>("rightAscension");
    QTest::addColumn<double>("degrees");
    QTest::addColumn<QString>("text");

    const QLocale c = QLocale::c();
    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::newRow("RA 83.8") << c << true << 83.8 << "5 35.2";
    QTest::newRow("RA 45") << c << true << 45.0 << "3 0.0";
    QTest::newRow("RA 0") << c << true << 0.0 << "0 0.0";
    QTest::newRow("RA just below an hour") << c << true << 29.9999 << "1 60.0";
    QTest::newRow("RA German") << german << true << 83.8 << "5 35,2";
    QTest::newRow("Dec 41.27") << c << false << 41.27 << "41 16";
    QTest::newRow("Dec -20.5") << c << false << -20.5 << "-21 30";
    QTest::newRow("Dec -0.25") << c << false << -0.25 << "-1 45";
    QTest::newRow("Dec -3") << c << false << -3.0 << "-3 0";
    QTest::newRow("Dec just below a degree") << c << false << 11.999 << "11 60";
}

void TestListGeneration::coordinateTexts()
{
    QFETCH(QLocale, locale);
    QFETCH(bool, rightAscension);
    QFETCH(double, degrees);
    QFETCH(QString, text);
    const LocaleNumbers numbers(locale);
    QCOMPARE(rightAscension ? formatRA(degrees, numbers) : formatDec(degrees, numbers), text);
}


QTEST_APPLESS_MAIN(TestListGeneration)
#include "test_listgeneration.moc"
