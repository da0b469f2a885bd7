#include "astro/coordinateformat.h"
#include "astro/listgeneration.h"
#include "astro/listgrid.h"

#include <QTest>

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

class TestListGeneration : public QObject {
    Q_OBJECT

private slots:
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
};

QTEST_APPLESS_MAIN(TestListGeneration)
#include "test_listgeneration.moc"
