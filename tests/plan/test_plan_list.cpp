#include "plan/listcolumns.h"
#include "plan/session.h"
#include "sky/horizonprofile.h"
#include "workedsession.h"

#include <QTest>

#include <cmath>

// The list made from a session and a catalog: which objects pass, in which order, how each cell
// reads, and how a column sorts.

namespace {

Session readWorked(const SessionTexts &texts, const QLocale &locale = QLocale::c())
{
    const Result<Session> reading = readSession(texts, locale);
    if (!reading.ok())
        qFatal("the worked session does not read: %s", qPrintable(reading.problem().what));
    return reading.value();
}

QString rowText(const ListedObject &row, const LocaleNumbers &numbers)
{
    QStringList cells;
    for (int column = 0; column < ListColumnCount; ++column)
        cells << listCell(row, column, numbers);
    return cells.join(u'\t');
}

// A list of one row a value, the column's value set from the text and every other field alike.
ObservingList listWith(ListColumn column, const QStringList &values)
{
    std::vector<CatalogObject> objects;
    std::vector<ObjectPlacement> placements(values.size());
    for (qsizetype i = 0; i < values.size(); ++i) {
        const QString &text = values[i];
        const double number = text.toDouble();
        CatalogObject object = catalogObject(QStringLiteral("row %1").arg(i), 0.0, 0.0);
        ObjectPlacement &placement = placements[std::size_t(i)];
        switch (column) {
        case ListColumn::Identifier: object.identifier = text; break;
        case ListColumn::Messier: object.messier = text; break;
        case ListColumn::Type: object.typeText = text; break;
        case ListColumn::Size: object = catalogObject(object.identifier, 0.0, 0.0, object.typeText, text); break;
        case ListColumn::Magnitude: object = catalogObject(object.identifier, 0.0, 0.0, object.typeText, "10", text); break;
        case ListColumn::Altitude: placement.start.Alt = number; break;
        case ListColumn::Azimuth: placement.start.Az = number; break;
        case ListColumn::RightAscension: object.raDeg = number; break;
        case ListColumn::Declination: object.decDeg = number; break;
        case ListColumn::HoursToTransit: placement.hoursToTransit = number; break;
        case ListColumn::Constellation: object.constellation = text; break;
        }
        objects.push_back(object);
    }
    ObservingList list;
    list.catalog = Catalog(std::move(objects));
    for (std::size_t i = 0; i < placements.size(); ++i)
        list.rows.push_back({&list.catalog.objects()[i], placements[i]});
    return list;
}

}  // namespace

class TestPlanList : public QObject {
    Q_OBJECT

private slots:
    // The worked session at three minimum elevations: the second object is 0.05 degrees below the
    // horizon at the end. The list runs from the last object of the catalog to the first.
    void workedRun()
    {
        const Catalog catalog(workedObjects());
        const std::pair<const char *, QStringList> runs[] = {{"0", {"third", "first"}}, {"5", {"first"}}, {"30", {}}};
        for (const auto &[minElev, identifiersTopDown] : runs) {
            SessionTexts texts = workedSessionTexts();
            texts[SessionField::MinElevation] = QString::fromLatin1(minElev);
            const ObservingList list = generateList(readWorked(texts), catalog, nullptr);
            QCOMPARE(listedIdentifiers(list), identifiersTopDown);
        }
    }

    // Every cell of the worked objects in a comma locale, and of an object just past the meridian
    // (90 - 42.93 degrees up, 0.01 degrees west of south), whose hours to transit round to zero
    // and carry no sign, which would read as a direction.
    void cellTexts()
    {
        const QLocale german(QLocale::German, QLocale::Germany);
        const Session session = readWorked(workedSessionTexts(), german);
        std::vector<CatalogObject> objects = workedObjects();
        const double siderealDeg = getSiderealTime(session.date, session.startTime, session.gmtDeviationHours, session.lonDeg);
        objects.push_back(catalogObject(QStringLiteral("just past"), siderealDeg - 0.01, 0.0));
        objects.back().messier = QStringLiteral("M 42");

        const ObservingList list = generateList(session, Catalog(std::move(objects)), nullptr);
        QStringList rows;
        for (const ListedObject &row : list.rows)
            rows << rowText(row, LocaleNumbers(german));
        QCOMPARE(rows, (QStringList{"just past\tM 42\tgalaxy\t10\t47,07\t180,01\t8 22,2\t0 0\t0,00\t8\tOri",
                                    "third\t\tglobular cluster\t10\t3,91\t41,42\t16 41,7\t36 28\t8,32\t8\tOri",
                                    "second\t\tgalaxy\t10\t12,57\t315,69\t0 42,7\t41 16\t-7,66\t8\tOri",
                                    "first\t\tnebula\t10\t28,67\t229,10\t5 35,2\t-6 37\t-2,78\t8\tOri"}));
    }

    // Hours and minutes, degrees and minutes: the degrees rounded down also south of the
    // equator, so that the minutes count north from them; minutes may round up to 60.
    void coordinateCells()
    {
        const std::tuple<double, double, const char *, const char *> cases[] = {  // RA, Dec, their cells
            {83.8, -20.5, "5 35.2", "-21 30"}, {45.0, -0.25, "3 0.0", "-1 45"}, {29.9999, 11.999, "1 60.0", "11 60"}};
        const LocaleNumbers numbers(QLocale::c());
        for (const auto &[raDeg, decDeg, raText, decText] : cases) {
            const CatalogObject object = catalogObject(QStringLiteral("x"), raDeg, decDeg);
            const ListedObject row{&object, {}};
            QCOMPARE(listCell(row, int(ListColumn::RightAscension), numbers), QString::fromLatin1(raText));
            QCOMPARE(listCell(row, int(ListColumn::Declination), numbers), QString::fromLatin1(decText));
        }
    }

    void filters_data()
    {
        QTest::addColumn<QStringList>("changes");  // a field's caption, a type box's or size, mag, type, horizon = value
        QTest::addColumn<bool>("listed");

        // The first worked object: 28.67, 229.10 at the start and 9.44, 253.45 at the end.
        QTest::newRow("open session") << QStringList{} << true;
        QTest::newRow("elevation just below the end") << QStringList{"Min Elevation=9.43"} << true;
        QTest::newRow("elevation just above the end") << QStringList{"Min Elevation=9.45"} << false;
        QTest::newRow("no session length") << QStringList{"Session Length=0", "Min Elevation=28.66"} << true;
        QTest::newRow("inclusive around both") << QStringList{"Min Azimuth=229", "Max Azimuth=254"} << true;
        QTest::newRow("inclusive, start outside") << QStringList{"Min Azimuth=229.2", "Max Azimuth=254"} << false;
        QTest::newRow("inclusive, end outside") << QStringList{"Min Azimuth=229", "Max Azimuth=253.4"} << false;
        QTest::newRow("exclusive, both outside") << QStringList{"Min Azimuth=60", "Max Azimuth=229", "mode=Exclusive"} << true;
        QTest::newRow("exclusive, end inside") << QStringList{"Min Azimuth=230", "Max Azimuth=300", "mode=Exclusive"} << false;
        QTest::newRow("horizon below the end") << QStringList{"horizon=9.43"} << true;
        QTest::newRow("horizon above the end") << QStringList{"horizon=9.45"} << false;
        QTest::newRow("size at minimum") << QStringList{"Min Size=10"} << true;
        QTest::newRow("size at maximum") << QStringList{"Max Size=10"} << true;
        QTest::newRow("size below") << QStringList{"size=9.9", "Min Size=10"} << false;
        QTest::newRow("size not a number") << QStringList{"size=?"} << false;
        QTest::newRow("magnitude at limit") << QStringList{"Min Brightness=8"} << true;
        QTest::newRow("magnitude fainter") << QStringList{"mag=8.1", "Min Brightness=8"} << false;
        QTest::newRow("magnitude unknown") << QStringList{"mag="} << false;
        QTest::newRow("grayed box") << QStringList{"Nebula=2"} << false;
        QTest::newRow("planetary, nebula box") << QStringList{"type=planetary nebula", "Planetary Nebula=0"} << false;
        QTest::newRow("planetary, its box") << QStringList{"type=planetary nebula", "Nebula=0"} << true;
        QTest::newRow("cluster with nebula, open box") << QStringList{"type=open cluster and nebula", "Nebula=0"} << true;
        QTest::newRow("none of the words") << QStringList{"type=double star"} << false;
    }

    // One object through the whole generation, one filter at a time.
    void filters()
    {
        QFETCH(QStringList, changes);
        SessionTexts texts = workedSessionTexts();
        CatalogObject object = workedObjects().front();
        std::optional<HorizonProfile> horizon;
        for (const QString &change : changes) {
            const QString name = change.section(u'=', 0, 0);
            const QString value = change.section(u'=', 1);
            for (const SessionFieldSpec &spec : SessionFields) {
                if (name == sessionFieldCaption(spec.field))
                    texts[spec.field] = value;
            }
            for (const ObjectTypeSpec &spec : ObjectTypes) {
                if (name == objectTypeCaption(spec.type))
                    texts[spec.type] = BoxState(value.toInt());
            }
            if (name == u"mode")
                texts.azimuthMode = value;
            if (name == u"horizon")
                horizon = HorizonProfile(std::vector<HorizonPoint>{{0.0, value.toDouble()}});
            if (name == u"size" || name == u"mag" || name == u"type") {
                object = catalogObject(object.identifier, object.raDeg, object.decDeg,
                                       name == u"type" ? value : object.typeText, name == u"size" ? value : object.sizeText,
                                       name == u"mag" ? value : object.magnitudeText);
            }
        }

        const ObservingList list = generateList(readWorked(texts), Catalog({object}), horizon ? &*horizon : nullptr);

        QFETCH(bool, listed);
        QCOMPARE(list.size(), listed ? 1 : 0);
    }

    // A planetary nebula has a box of its own and is not also a nebula; a word counts anywhere.
    void objectTypesFromTheTypeText()
    {
        const std::pair<const char *, const char *> cases[] = {
            {"nebula", "Nebula"},
            {"planetary nebula", "Planetary Nebula"},
            {"open cluster and nebula", "Nebula|Open Cluster"},
            {"planetary nebula in globular cluster", "Planetary Nebula|Globular Cluster"},
            {"galaxy pair", "Galaxy"},
            {"reopened", "Open Cluster"},
            {"double star", ""}};
        for (const auto &[typeText, types] : cases)
            QCOMPARE(typeCaptions(objectTypesNamed(QString::fromLatin1(typeText))), QString::fromLatin1(types));
    }

    // Numbers by the value shown and before texts; texts without case and with their numbers read
    // as numbers; rows that read the same keep their order, descending too.
    void sortedRowsByColumn()
    {
        using enum ListColumn;
        const Qt::SortOrder up = Qt::AscendingOrder, down = Qt::DescendingOrder;
        const std::tuple<ListColumn, const char *, Qt::SortOrder, QList<int>> cases[] = {  // values in list order
            {Identifier, "NGC 1976|ngc 224|IC 434|NGC 7000|NGC 224A", up, {2, 1, 4, 0, 3}},
            {Messier, "M 10|M 2||M 1|M 100", up, {2, 3, 1, 0, 4}},
            {Type, "open cluster|galaxy|globular cluster", down, {0, 2, 1}},
            {Size, "10|2.5|?|100|", up, {1, 0, 3, 4, 2}},  // no number after every number
            {Altitude, "12.341|-3.5|12.339|9", up, {1, 3, 0, 2}},  // 12.34 both
            {Altitude, "12.341|-3.5|12.339|9", down, {0, 2, 3, 1}},
            {Azimuth, "359.99|0.01|180", up, {1, 2, 0}},
            {RightAscension, "83.8|10.675|30|29.9999|250.42", up, {1, 2, 3, 0, 4}},  // "2 0.0" and "1 60.0"
            {Declination, "-20.5|-20.8333|12|11.999|-0.25", up, {1, 0, 4, 2, 3}},  // "-21 30" above "-21 10"
            {HoursToTransit, "-0.004|0.003|-11.9|11.9", up, {2, 0, 1, 3}},         // "0.00" both
            {Magnitude, "8|?|-1|12.5", up, {2, 0, 3, 1}},
            {Constellation, "Ori|and|ORI|AND", up, {1, 3, 0, 2}},
            {Constellation, "Ori|and|ORI|AND", down, {0, 2, 1, 3}},
        };
        for (const auto &[column, values, order, rows] : cases) {
            const ObservingList list = listWith(column, QString::fromLatin1(values).split(u'|'));
            const std::vector<int> sorted = sortedRows(list, int(column), order);
            QVERIFY2(QList<int>(sorted.begin(), sorted.end()) == rows, values);
        }
        // Enough ties that a sort which is not stable would mix them: 2, 1, 2, 1, ... descending.
        QStringList alternating;
        QList<int> twosThenOnes;
        for (int row = 0; row < 64; ++row) {
            alternating << (row % 2 ? QStringLiteral("1") : QStringLiteral("2"));
            twosThenOnes.insert(row % 2 ? twosThenOnes.size() : row / 2, row);
        }
        const std::vector<int> sorted = sortedRows(listWith(Altitude, alternating), int(Altitude), down);
        QCOMPARE(QList<int>(sorted.begin(), sorted.end()), twosThenOnes);
    }

    // The fast fixed-point writer writes what the locale itself writes: its minus sign, digits and
    // grouping.
    void numbersMatchTheLocale()
    {
        // Exact halves, values just beside them, zeros of both signs, the grouping edge.
        QList<double> values{0.125, -0.125, 2.5, -2.5, 0.375, 1.005, 2.675, 0.0, -0.0, -0.001, -0.4,
                             59.95, 59.96, 999.994, 999.996, 1000.0, 1234.5, -98765.4321, 45.267, 1e-9};
        for (int i = 0; i < 4000; ++i)
            values << (i * 0.0731 - 146.0) * (i % 7 == 0 ? -1.0 : 1.0);
        for (const char *name : {"C", "de_DE", "sv_SE", "ar_EG", "hi_IN"}) {
            const QLocale locale(QString::fromLatin1(name));
            const LocaleNumbers numbers(locale);
            for (double value : values) {
                for (int decimals : {0, 1, 2}) {
                    QString expected = locale.toString(value, 'f', decimals);
                    // A value that rounds to zero carries no sign.
                    if (expected.startsWith(locale.negativeSign()) && std::abs(value) * std::pow(10, decimals) < 0.5)
                        expected.remove(0, locale.negativeSign().size());
                    QCOMPARE(numbers.fixed(value, decimals), expected);
                }
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestPlanList)
#include "test_plan_list.moc"
