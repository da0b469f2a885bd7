#include "ui/settings/defaultsfile.h"

#include <QLocale>
#include <QTest>

namespace {

struct AppliedLine {
    int lineNumber;
    QString text;
    int checkState;
};

struct Recorder {
    QList<AppliedLine> applied;

    DefaultsReading read(const QStringList &lines)
    {
        return applyDefaultsLines(lines, [this](int lineNumber, const QString &text, int checkState) {
            applied.append({lineNumber, text, checkState});
        });
    }

    QList<int> lineNumbers() const
    {
        QList<int> numbers;
        for (const AppliedLine &line : applied)
            numbers << line.lineNumber;
        return numbers;
    }
};

QList<int> oneTo(int last)
{
    QList<int> numbers;
    for (int n = 1; n <= last; ++n)
        numbers << n;
    return numbers;
}

// A complete file whose every line differs from the design values.
QStringList savedSetup()
{
    return {QStringLiteral("41.5"),      QStringLiteral("-73.25"), QStringLiteral("2.5"),
            QStringLiteral("15"),        QStringLiteral("90"),     QStringLiteral("270"),
            QStringLiteral("11"),        QStringLiteral("3"),      QStringLiteral("120"),
            QStringLiteral("0"),         QStringLiteral("1"),      QStringLiteral("2"),
            QStringLiteral("0"),         QStringLiteral("1"),      QStringLiteral("Mine.csv"),
            QStringLiteral("Exclusive")};
}

}  // namespace

// Reading and writing the sixteen-line defaults file, apart from any window.
class TestDefaultsFile : public QObject {
    Q_OBJECT

private slots:
    void fileName();
    void allSixteenLinesAppliedInOrder();
    void linesAfterTheSixteenthAreIgnored();
    void missingLinesStopTheReading_data();
    void missingLinesStopTheReading();
    void onlyBoxLinesAreChecked();
    void badBoxLineStopsTheReading_data();
    void badBoxLineStopsTheReading();
    void boxStatesRoundHalfToEven_data();
    void boxStatesRoundHalfToEven();
    void boxStatesReadWithTheLocaleDecimalComma();
    void textEndsEveryLineWithCrLf();
    void textOfEmptyValuesKeepsTheirLines();
};

void TestDefaultsFile::fileName()
{
    QCOMPARE(defaultsFileName(), QStringLiteral("defaults.txt"));
}

void TestDefaultsFile::allSixteenLinesAppliedInOrder()
{
    Recorder recorder;
    const DefaultsReading reading = recorder.read(savedSetup());
    QVERIFY(reading.ok());
    QCOMPARE(reading.linesApplied, 16);
    QCOMPARE(recorder.lineNumbers(), oneTo(16));

    const QList<int> boxStates{0, 1, 2, 0, 1};  // lines 10 to 14 of savedSetup()
    for (const AppliedLine &line : recorder.applied) {
        QCOMPARE(line.text, savedSetup().at(line.lineNumber - 1));
        const bool boxLine = line.lineNumber >= 10 && line.lineNumber <= 14;
        QCOMPARE(line.checkState, boxLine ? boxStates.at(line.lineNumber - 10) : 0);
    }
}

void TestDefaultsFile::linesAfterTheSixteenthAreIgnored()
{
    Recorder recorder;
    const DefaultsReading reading =
        recorder.read(savedSetup() << QStringLiteral("3") << QStringLiteral("not a setting"));
    QVERIFY(reading.ok());
    QCOMPARE(reading.linesApplied, 16);
    QCOMPARE(recorder.lineNumbers(), oneTo(16));
}

void TestDefaultsFile::missingLinesStopTheReading_data()
{
    QTest::addColumn<int>("lineCount");

    QTest::newRow("empty file") << 0;
    QTest::newRow("location only") << 2;
    QTest::newRow("up to the first box") << 10;
    QTest::newRow("no azimuth mode") << 15;
}

void TestDefaultsFile::missingLinesStopTheReading()
{
    QFETCH(int, lineCount);

    Recorder recorder;
    const DefaultsReading reading = recorder.read(savedSetup().mid(0, lineCount));
    QVERIFY(!reading.ok());
    QCOMPARE(reading.linesApplied, lineCount);
    QCOMPARE(recorder.lineNumbers(), oneTo(lineCount));
    QVERIFY2(reading.failure.contains(QStringLiteral("line %1").arg(lineCount + 1)), qPrintable(reading.failure));
}

void TestDefaultsFile::onlyBoxLinesAreChecked()
{
    // Every other line is the control's text as it was shown, whatever it holds.
    QStringList lines = savedSetup();
    lines[2] = QStringLiteral("abc");
    lines[8] = QString();
    lines[14] = QStringLiteral("3");
    lines[15] = QStringLiteral("-1");
    Recorder recorder;
    QVERIFY(recorder.read(lines).ok());
    QCOMPARE(recorder.lineNumbers(), oneTo(16));
    QCOMPARE(recorder.applied.at(2).text, QStringLiteral("abc"));
    QCOMPARE(recorder.applied.at(8).text, QString());
    QCOMPARE(recorder.applied.at(14).text, QStringLiteral("3"));
    QCOMPARE(recorder.applied.at(15).text, QStringLiteral("-1"));
}

void TestDefaultsFile::badBoxLineStopsTheReading_data()
{
    QTest::addColumn<int>("lineNumber");
    QTest::addColumn<QString>("text");

    QTest::newRow("3 on the nebula line") << 10 << "3";
    QTest::newRow("-1 on the galaxy line") << 12 << "-1";
    QTest::newRow("word on the globular line") << 13 << "abc";
    QTest::newRow("empty open-cluster line") << 14 << "";
    QTest::newRow("blank planetary line") << 11 << " ";
    QTest::newRow("2.6 rounds to 3") << 12 << "2.6";
    QTest::newRow("-0.6 rounds to -1") << 10 << "-0.6";
    QTest::newRow("infinity") << 11 << "inf";
    QTest::newRow("not a number") << 11 << "nan";
}

void TestDefaultsFile::badBoxLineStopsTheReading()
{
    QFETCH(int, lineNumber);
    QFETCH(QString, text);

    QStringList lines = savedSetup();
    lines[lineNumber - 1] = text;
    Recorder recorder;
    const DefaultsReading reading = recorder.read(lines);
    QVERIFY(!reading.ok());
    QCOMPARE(reading.linesApplied, lineNumber - 1);
    QCOMPARE(recorder.lineNumbers(), oneTo(lineNumber - 1));
    QVERIFY2(reading.failure.contains(QStringLiteral("line %1").arg(lineNumber)), qPrintable(reading.failure));
}

void TestDefaultsFile::boxStatesRoundHalfToEven_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("state");

    QTest::newRow("0.5") << "0.5" << 0;
    QTest::newRow("1.5") << "1.5" << 2;
    QTest::newRow("2.5") << "2.5" << 2;
    QTest::newRow("1.4") << "1.4" << 1;
    QTest::newRow("0.6") << "0.6" << 1;
    QTest::newRow("2.4") << "2.4" << 2;
    QTest::newRow("-0.4") << "-0.4" << 0;
    QTest::newRow("-0.5") << "-0.5" << 0;
    QTest::newRow("whole") << "2" << 2;
}

void TestDefaultsFile::boxStatesRoundHalfToEven()
{
    QFETCH(QString, text);
    QFETCH(int, state);

    for (int lineNumber = 10; lineNumber <= 14; ++lineNumber) {
        QStringList lines = savedSetup();
        lines[lineNumber - 1] = text;
        Recorder recorder;
        QVERIFY(recorder.read(lines).ok());
        QCOMPARE(recorder.applied.at(lineNumber - 1).checkState, state);
        QCOMPARE(recorder.applied.at(lineNumber - 1).text, text);
    }
}

void TestDefaultsFile::boxStatesReadWithTheLocaleDecimalComma()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QStringList lines = savedSetup();
    lines[9] = QStringLiteral("1,5");
    lines[10] = QStringLiteral("0,5");
    Recorder recorder;
    const DefaultsReading reading = recorder.read(lines);
    QLocale::setDefault(QLocale::c());
    QVERIFY2(reading.ok(), qPrintable(reading.failure));
    QCOMPARE(recorder.applied.at(9).checkState, 2);
    QCOMPARE(recorder.applied.at(10).checkState, 0);
}

void TestDefaultsFile::textEndsEveryLineWithCrLf()
{
    const QStringList designValues{"0", "0", "1", "30", "0", "360", "30", "1", "999",
                                   "1", "1", "1", "1", "1", "Objects.csv", "Inclusive"};
    QCOMPARE(defaultsText(designValues),
             QStringLiteral("0\r\n0\r\n1\r\n30\r\n0\r\n360\r\n30\r\n1\r\n999\r\n1\r\n1\r\n1\r\n1\r\n1\r\n"
                            "Objects.csv\r\nInclusive\r\n"));
}

void TestDefaultsFile::textOfEmptyValuesKeepsTheirLines()
{
    // An emptied field still takes its line, or every later line would shift up.
    QStringList values = savedSetup();
    values[0] = QString();
    values[15] = QString();
    const QString text = defaultsText(values);
    QVERIFY(text.startsWith(QStringLiteral("\r\n-73.25\r\n")));
    QVERIFY(text.endsWith(QStringLiteral("\r\nMine.csv\r\n\r\n")));
    QCOMPARE(text.count(QStringLiteral("\r\n")), 16);
    QCOMPARE(text.count(u'\n'), 16);
    QCOMPARE(text.count(u'\r'), 16);
}

QTEST_MAIN(TestDefaultsFile)
#include "test_defaultsfile.moc"
