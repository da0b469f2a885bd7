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
                        "1", "0", "1", "1", "0", "Other.csv", "Inclusive",
                        "", "19", "0.5", "100", "50 75"};
const int AllLines = int(DefaultsLines.size());

QStringList with(QStringList lines, std::initializer_list<std::pair<int, const char *>> changes)
{
    for (const auto &[lineNumber, text] : changes)
        lines[lineNumber - 1] = text;
    return lines;
}

}  // namespace

class TestFormatsDefaults : public QObject {
    Q_OBJECT

private slots:
    // Every field of the session in order, the boxes, the catalog, the azimuth mode, the horizon
    // and the observer's sky and telescope: the date, time and deviation are no line's and keep
    // what they were.
    void eachLineHoldsItsValue()
    {
        SavedDefaults defaults;
        defaults.session[SessionField::Date] = "3/15/2006";
        QVERIFY(readDefaultsLines(Saved + QStringList{"garden.hzn", "20.5", "0.3", "254", "66 118"}, defaults).ok());
        QStringList read(defaults.session.fields.begin(), defaults.session.fields.end());
        for (const BoxState box : defaults.session.typeBoxes)
            read << QString::number(int(box));
        read << defaults.catalogFile << defaults.session.azimuthMode << defaults.horizonFile;
        read << QStringList(defaults.observer.fields.begin(), defaults.observer.fields.end());
        QCOMPARE(read.join(u'|'), "41.5|-73.25|3/15/2006|||2.5|15|90|270|11|3|120||0|1|2|0|1|Mine.csv|Exclusive|garden.hzn|"
                                  "20.5|0.3|254|66 118");
    }

    // Read over Other's values: the lines before a fault are applied, the rest keep Other's, and the
    // file written then reads back the same. The horizon's line is written only when there is a
    // profile or the observer's lines follow, and those only when they are not the first values,
    // so that a file without either keeps its sixteen lines; an older file gives the first values.
    void faultyFile()
    {
        // The lines, how many are applied (all: absent optional lines read as empty or the first
        // values), the problem and the file written after (none: the lines applied, then Other's).
        const QStringList firstObserver{"21.0", "0.20", "200", "40 80 120 200"};
        const std::tuple<QStringList, int, const char *, QStringList> files[] = {
            {Saved, AllLines, "", {}},
            {Saved + QStringList{"garden.hzn"}, AllLines, "", {}},
            {Saved + QStringList{"garden.hzn"} + firstObserver, AllLines, "", Saved + QStringList{"garden.hzn"}},
            {Saved + QStringList{""} + firstObserver, AllLines, "", Saved},
            {Saved + QStringList{"", "18", "0.2", "200", "40 80 120 200"}, AllLines, "", {}},
            {Saved + QStringList{"", "20", "0.3", "305", "not checked here", "Europe/Berlin", "more"}, AllLines, "",
             Saved + QStringList{"", "20", "0.3", "305", "not checked here", "Europe/Berlin"}},  // a further line ignored
            // A time zone is kept with the observer's lines before it, at their first values.
            {Saved + QStringList{"", "21", "0.2", "200", "40 80 120 200", "Asia/Tokyo"}, AllLines, "", {}},
            {with(Other, {{16, "sideways"}}), 15, "line 16 reads \"sideways\", but the azimuth mode is Inclusive or Exclusive", {}},
            // Box states as decimals, a half going to the even state.
            {with(Other, {{10, "0.5"}, {11, "1.5"}, {12, "2.5"}, {13, "-0.4"}}), AllLines, "",
             with(Other, {{10, "0"}, {11, "2"}, {12, "2"}, {13, "0"}})},
            {Saved.mid(0, 15), 15, "line 16 is missing: the file has 15 lines, 16 are needed", {}},
            {{}, 0, "line 1 is missing: the file has 0 lines, 16 are needed", {}},
            {with(Saved, {{12, "3"}}), 11, "line 12 reads \"3\", but a type box needs 0, 1 or 2", {}},
            {with(Saved, {{10, "-0.6"}}), 9, "line 10 reads \"-0.6\", but a type box needs 0, 1 or 2", {}},
            {with(Saved, {{14, "abc"}}), 13, "line 14 reads \"abc\", but a type box needs 0, 1 or 2", {}}};
        for (const auto &[lines, applied, problem, written] : files) {
            SavedDefaults defaults, reread;
            readDefaultsLines(Other, defaults);
            const DefaultsReading reading = readDefaultsLines(lines, defaults);
            QCOMPARE(reading.linesApplied, applied);
            const Problem wanted = *problem ? Problem::onLine(applied + 1, problem) : Problem();
            QVERIFY2(reading.problem.value_or(Problem()) == wanted, problem);
            const QStringList kept = written.isEmpty() ? lines.mid(0, applied) + Other.mid(applied) : written;
            QCOMPARE(defaultsText(defaults), joinLinesCrLf(kept));
            QVERIFY(readDefaultsLines(splitLines(defaultsText(defaults)), reread).ok() && reread == defaults);
        }
    }
};

QTEST_GUILESS_MAIN(TestFormatsDefaults)
#include "test_formats_defaults.moc"
