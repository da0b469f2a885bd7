#include "formats/defaultsfile.h"
#include "formats/textfile.h"

#include <QTest>

// The defaults file: which value each line holds, how far a faulty file is applied, and that
// what is written reads back the same.

namespace {

// Two setups that differ from each other on every line.
const QStringList Saved{"41.5", "-73.25", "2.5", "15", "90", "270", "11", "3", "120",
                        "0", "1", "2", "0", "1", "Mine.csv", "Exclusive"};
const QStringList Other{"-10", "20", "7", "7", "7", "300", "12", "7", "70",
                        "1", "0", "1", "1", "0", "Other.csv", "Inclusive"};

QStringList with(QStringList lines, std::initializer_list<std::pair<int, const char *>> changes)
{
    for (const auto &[lineNumber, text] : changes)
        lines[lineNumber - 1] = QString::fromUtf8(text);
    return lines;
}

SavedDefaults read(const QStringList &lines)
{
    SavedDefaults defaults;
    if (!readDefaultsLines(lines, defaults).ok())
        qFatal("the defaults do not read");
    return defaults;
}

}  // namespace

class TestFormatsDefaults : public QObject {
    Q_OBJECT

private slots:
    // The date, time and deviation are no line's: they keep what they were.
    void eachLineHoldsItsValue()
    {
        using enum SessionField;
        SavedDefaults defaults;
        defaults.session[Date] = QStringLiteral("3/15/2006");
        SavedDefaults expected = defaults;
        const std::pair<SessionField, const char *> fields[] = {
            {Latitude, "41.5"},       {Longitude, "-73.25"},         {SessionLength, "2.5"},
            {MinElevation, "15"},     {MinAzimuth, "90"},            {MaxAzimuth, "270"},
            {FaintestMagnitude, "11"}, {MinSize, "3"},               {MaxSize, "120"}};
        for (const auto &[field, text] : fields)
            expected.session[field] = QString::fromLatin1(text);
        expected.session.typeBoxes = {BoxState::Clear, BoxState::Checked, BoxState::Grayed, BoxState::Clear, BoxState::Checked};
        expected.catalogFile = QStringLiteral("Mine.csv");
        expected.session.azimuthMode = QStringLiteral("Exclusive");
        expected.horizonFile = QStringLiteral("garden.hzn");

        QVERIFY(readDefaultsLines(Saved + QStringList{"garden.hzn"}, defaults).ok());
        QVERIFY(defaults == expected);
    }

    // The horizon's line only when there is a profile, so that a file without one keeps its
    // sixteen lines.
    void writtenFileReadsBack()
    {
        for (const QStringList &lines : {Saved, Saved + QStringList{"garden.hzn"}}) {
            const SavedDefaults defaults = read(lines);
            QCOMPARE(defaultsText(defaults), joinLinesCrLf(lines));
            QVERIFY(read(splitLines(defaultsText(defaults))) == defaults);
        }
    }

    void faultyFile_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("applied");      // lines applied before a fault; 17 for all, an absent horizon line read as empty
        QTest::addColumn<QString>("problem");  // empty for none
        QTest::addColumn<QStringList>("written");  // the file written after; empty: the lines applied, then Other's

        QTest::newRow("complete") << Saved << 17 << "" << QStringList();
        QTest::newRow("a further line ignored") << Saved + QStringList{"garden.hzn", "more"} << 17 << "" << QStringList();
        QTest::newRow("a mode's unknown word kept") << with(Other, {{16, "sideways"}}) << 17 << "" << QStringList();
        // A half goes to the even state.
        QTest::newRow("box states as decimals") << with(Other, {{10, "0.5"}, {11, "1.5"}, {12, "2.5"}, {13, "-0.4"}})
                                                << 17 << "" << with(Other, {{10, "0"}, {11, "2"}, {12, "2"}, {13, "0"}});
        QTest::newRow("15 lines") << Saved.mid(0, 15) << 15
                                  << "line 16 is missing: the file has 15 lines, 16 are needed" << QStringList();
        QTest::newRow("empty file") << QStringList() << 0 << "line 1 is missing: the file has 0 lines, 16 are needed"
                                    << QStringList();
        QTest::newRow("box 3") << with(Saved, {{12, "3"}}) << 11 << "line 12 reads \"3\", but a type box needs 0, 1 or 2"
                               << QStringList();
        QTest::newRow("box -0.6") << with(Saved, {{10, "-0.6"}}) << 9
                                  << "line 10 reads \"-0.6\", but a type box needs 0, 1 or 2" << QStringList();
        QTest::newRow("box abc") << with(Saved, {{14, "abc"}}) << 13
                                 << "line 14 reads \"abc\", but a type box needs 0, 1 or 2" << QStringList();
    }

    // Read over Other's values: the lines before a fault are applied, the rest keep Other's.
    void faultyFile()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, applied);
        QFETCH(QString, problem);
        QFETCH(QStringList, written);
        SavedDefaults defaults = read(Other);

        const DefaultsReading reading = readDefaultsLines(lines, defaults);

        QCOMPARE(reading.linesApplied, applied);
        QCOMPARE(reading.problem ? problemText(*reading.problem) : QString(), problem);
        QCOMPARE(reading.problem ? reading.problem->line : 0, problem.isEmpty() ? 0 : applied + 1);
        if (written.isEmpty())
            written = lines.mid(0, applied) + Other.mid(applied);
        QCOMPARE(splitLines(defaultsText(defaults)), written);
    }
};

QTEST_GUILESS_MAIN(TestFormatsDefaults)
#include "test_formats_defaults.moc"
