#include "plan/listcolumns.h"
#include "plan/observationdraft.h"
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

// A list of one row a value, every column of a row read from its value: as a column sorts or
// writes a cell, the other columns do not count.
ObservingList listOf(const QStringList &values)
{
    std::vector<CatalogObject> objects;
    for (const QString &value : values) {
        objects.push_back(catalogObject(value, value.toDouble(), value.toDouble(), value, value, value));
        objects.back().messier = objects.back().constellation = value;
    }
    ObservingList list;
    list.catalog = Catalog(std::move(objects));
    for (const CatalogObject &object : list.catalog.objects())
        list.rows.push_back({&object, {{object.raDeg, object.raDeg}, {}, object.raDeg}});
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
        const std::pair<const char *, QStringList> runs[] = {{"0", {"third", "first"}}, {"5", {"first"}}, {"30", {}}};
        for (const auto &[minElev, identifiersTopDown] : runs) {
            const Session session = readWorked(workedSessionTexts({{SessionField::MinElevation, minElev}}));
            QCOMPARE(listedIdentifiers(generateList(session, Catalog(workedObjects()), nullptr)), identifiersTopDown);
        }
    }

    // Hours and minutes, degrees and minutes: the degrees rounded down also south of the equator,
    // so that the minutes count north from them; minutes may round up to 60. Hours to transit that
    // round to zero carry no sign, which would read as a direction. Numbers in the locale's form.
    void cells()
    {
        using enum ListColumn;
        const std::tuple<const char *, ListColumn, const char *> cases[] = {
            {"83.8", RightAscension, "5 35,2"}, {"45", RightAscension, "3 0,0"}, {"29.9999", RightAscension, "1 60,0"},
            {"-20.5", Declination, "-21 30"},   {"-0.25", Declination, "-1 45"}, {"11.999", Declination, "11 60"},
            {"-0.000667", HoursToTransit, "0,00"}, {"-7.66", HoursToTransit, "-7,66"}, {"0.005", Altitude, "0,01"},
            {"-0.05", Azimuth, "-0,05"}};
        const LocaleNumbers german(QLocale(QLocale::German, QLocale::Germany));
        for (const auto &[value, column, cell] : cases)
            QCOMPARE(listCell(listOf({value}).rows.front(), int(column), german), QString(cell));
        // A row judged but never visible has no best moment.
        ListedObject neverVisible = listOf({"1"}).rows.front();
        neverVisible.seeing = ObjectSeeing{};
        for (const ListColumn column : {BestMoment, Reserve, Verdict, Magnification})
            QCOMPARE(listCell(neverVisible, int(column), german), "-");
    }

    // The first worked object, at 28.67, 229.10 at the start and at 9.44, 253.45 at the end, through
    // the whole generation with some changes: a field or a type box by its caption, the azimuth
    // mode (only "Inclusive" is inclusive), a flat horizon's altitude, the object's size, magnitude or
    // type. A grayed box lists nothing.
    void filters()
    {
        const std::pair<const char *, bool> cases[] = {
            {"", true}, {"Min Elevation=9.43", true}, {"Min Elevation=9.45", false},
            {"Session Length=0; Min Elevation=28.66", true}, {"Min Azimuth=229; Max Azimuth=254", true},
            {"Min Azimuth=229.2; Max Azimuth=254", false}, {"Min Azimuth=229; Max Azimuth=253.4", false},
            {"Min Azimuth=60; Max Azimuth=229; mode=Exclusive", true},
            {"Min Azimuth=230; Max Azimuth=300; mode=Exclusive", false}, {"horizon=9.43", true}, {"horizon=9.45", false},
            {"Min Azimuth=229; Max Azimuth=254; mode=inclusive", false}, {"Min Size=10", true}, {"Max Size=10", true},
            {"size=9.9; Min Size=10", false}, {"size=?", false}, {"Min Brightness=8", true},
            {"mag=8.1; Min Brightness=8", false}, {"mag=", false}, {"Nebula=2", false},
            {"type=planetary nebula; Planetary Nebula=0", false}, {"type=planetary nebula; Nebula=0", true},
            {"type=open cluster and nebula; Nebula=0", true}, {"type=double star", false}};
        for (const auto &[changes, listed] : cases) {
            SessionTexts texts = workedSessionTexts();
            QMap<QString, QString> other{{"mode", "Inclusive"}, {"size", "10"}, {"mag", "8"}, {"type", "nebula"}};
            for (const QString &change : QString(changes).split("; ", Qt::SkipEmptyParts))
                other[change.section(u'=', 0, 0)] = change.section(u'=', 1);
            for (const SessionFieldEntry &entry : SessionFields)
                texts[entry.field] = other.value(sessionFieldCaption(entry.field), texts[entry.field]);
            for (const ObjectTypeEntry &entry : ObjectTypes)
                texts[entry.type] = BoxState(other.value(objectTypeCaption(entry.type), "1").toInt());
            texts.azimuthMode = other["mode"];
            const HorizonProfile horizon({{0.0, other["horizon"].toDouble()}});
            const Catalog catalog({catalogObject("first", 83.8, -5.39, other["type"], other["size"], other["mag"])});
            const ObservingList list = generateList(readWorked(texts), catalog, other["horizon"].isEmpty() ? nullptr : &horizon);
            QVERIFY2(list.size() == (listed ? 1 : 0), changes);
        }
    }

    // A planetary nebula has a box of its own and is not also a nebula; a word counts anywhere.
    void objectTypesFromTheTypeText()
    {
        const std::pair<const char *, const char *> cases[] = {
            {"nebula", "Nebula"}, {"planetary nebula", "Planetary Nebula"}, {"open cluster and nebula", "Nebula|Open Cluster"},
            {"planetary nebula in globular cluster", "Planetary Nebula|Globular Cluster"}, {"galaxy pair", "Galaxy"},
            {"reopened", "Open Cluster"}, {"double star", ""}};
        for (const auto &[typeText, types] : cases)
            QCOMPARE(typeCaptions(objectTypesNamed(QString(typeText))), QString(types));
    }

    // Numbers by the value shown and before texts; texts without case and with their numbers read
    // as numbers; rows that read the same keep their order, descending too.
    void sortedRowsByColumn()
    {
        using enum ListColumn;
        const Qt::SortOrder up = Qt::AscendingOrder, down = Qt::DescendingOrder;
        const std::tuple<ListColumn, const char *, Qt::SortOrder, std::vector<int>> cases[] = {  // values in list order
            {Identifier, "NGC 1976|ngc 224|IC 434|NGC 7000|NGC 224A", up, {2, 1, 4, 0, 3}},
            {Messier, "M 10|M 2||M 1|M 100", up, {2, 3, 1, 0, 4}},
            {Type, "open cluster|galaxy|globular cluster", down, {0, 2, 1}}, {Azimuth, "359.99|0.01|180", up, {1, 2, 0}},
            {Size, "10|2.5|?|100|", up, {1, 0, 3, 4, 2}},  // no number after every number
            // 12.34 both.
            {Altitude, "12.341|-3.5|12.339|9", up, {1, 3, 0, 2}}, {Altitude, "12.341|-3.5|12.339|9", down, {0, 2, 3, 1}},
            {RightAscension, "83.8|10.675|30|29.9999|250.42", up, {1, 2, 3, 0, 4}},  // "2 0.0" and "1 60.0"
            {Declination, "-20.5|-20.8333|12|11.999|-0.25", up, {1, 0, 4, 2, 3}},  // "-21 30" above "-21 10"
            {HoursToTransit, "-0.004|0.003|-11.9|11.9", up, {2, 0, 1, 3}},         // "0.00" both
            {Magnitude, "8|?|-1|12.5", up, {2, 0, 3, 1}},
            {Constellation, "Ori|and|ORI|AND", up, {1, 3, 0, 2}}, {Constellation, "Ori|and|ORI|AND", down, {0, 2, 1, 3}},
        };
        for (const auto &[column, values, order, rows] : cases)
            QVERIFY2(sortedRows(listOf(QString(values).split(u'|')), int(column), order) == rows, values);
        // Enough ties that a sort which is not stable would mix them: 2, 1, 2, 1, ... descending.
        QStringList alternating;
        std::vector<int> twosThenOnes(64);
        for (int row = 0; row < 64; ++row) {
            alternating << QString::number(2 - row % 2);
            twosThenOnes[row % 2 * 32 + row / 2] = row;
        }
        QCOMPARE(sortedRows(listOf(alternating), int(Altitude), down), twosThenOnes);
    }

    // The fast fixed-point writer writes what the locale itself writes: its minus sign, digits and
    // grouping; a value that rounds to zero carries no sign.
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
                for (int decimals : {0, 1, 2})
                    QCOMPARE(numbers.fixed(value, decimals),
                             locale.toString(std::abs(value) * std::pow(10, decimals) < 0.5 ? 0.0 : value, 'f', decimals));
            }
        }
    }

    // An observation's draft: the session's start on its own clock, its place, and the magnification
    // that gave the best reserve, else the first of the telescope's (an object never visible has a
    // seeing without a best moment).
    void observationDraftFromTheSession()
    {
        const Session session = readWorked(workedSessionTexts({{SessionField::GmtDeviation, "5.5"}}));
        const CatalogObject object = workedObjects().front();
        const SkyAndTelescope observer{{21.3, 0.2}, {150.0, {50.0, 100.0}}};
        BestMoment best;
        best.seeing.reserve.magnification = 100.0;
        const QDateTime start(QDate(session.date.year, session.date.month, session.date.day),
                              QTime(session.startTime.hour, session.startTime.minute), Qt::OffsetFromUTC, 19800);
        const std::tuple<std::optional<ObjectSeeing>, double> cases[] = {
            {std::nullopt, 50.0}, {ObjectSeeing{}, 50.0}, {ObjectSeeing{{}, {}, best, {}}, 100.0}};
        for (const auto &[seeing, magnification] : cases) {
            const Observation draft = observationDraft(ListedObject{&object, {}, seeing}, session, observer);
            QCOMPARE(draft.magnification, magnification);
            QCOMPARE(draft.localTime.toString(Qt::ISODate), start.toString(Qt::ISODate));
            QCOMPARE(std::tuple(draft.latDeg, draft.lonDeg, draft.apertureMm, draft.skyMagPerArcsec2),
                     std::tuple(session.latDeg, session.lonDeg, std::optional(150.0), std::optional(21.3)));
        }
    }
};

QTEST_APPLESS_MAIN(TestPlanList)
#include "test_plan_list.moc"
