#include "ui/settings/defaultsfile.h"

#include <QLocale>
#include <QTest>

namespace {

// Lines 3, 6, 15 and 16 hold texts that would be wrong on a box line: only lines 10 to 14 are checked.
const QStringList Lines{"41.5", "-73.25", "abc", "15", "90", "",  "11", "3",
                        "120",  "0.5",    "1.5", "2.5", "0", "1", "3", "-1"};

// Reads the lines, recording every applied line as "number:text:state".
DefaultsReading read(const QStringList &lines, QStringList &applied)
{
    return applyDefaultsLines(lines, [&applied](int lineNumber, const QString &text, int checkState) {
        applied << QStringLiteral("%1:%2:%3").arg(lineNumber).arg(text).arg(checkState);
    });
}

}  // namespace

class TestDefaultsFile : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void appliesSixteenLinesInOrder();
    void boxLines_data();
    void boxLines();
    void textEndsEveryLineWithCrLf();
};

void TestDefaultsFile::appliesSixteenLinesInOrder()
{
    QStringList applied;
    DefaultsReading reading = read(Lines + QStringList{"3", "not a setting"}, applied);
    QVERIFY2(reading.ok(), qPrintable(reading.failure));
    QCOMPARE(reading.linesApplied, 16);
    QCOMPARE(applied.join(u' '), QStringLiteral("1:41.5:0 2:-73.25:0 3:abc:0 4:15:0 5:90:0 6::0 7:11:0 8:3:0 9:120:0 "
                                                "10:0.5:0 11:1.5:2 12:2.5:2 13:0:0 14:1:1 15:3:0 16:-1:0"));

    applied.clear();
    reading = read(Lines.mid(0, 15), applied);
    QCOMPARE(reading.linesApplied, 15);
    QCOMPARE(applied.size(), 15);
    QVERIFY2(reading.failure.contains(QStringLiteral("line 16 ")), qPrintable(reading.failure));
}

void TestDefaultsFile::boxLines_data()
{
    QTest::addColumn<QString>("boxes");   // lines 10 to 14, split at "|"
    QTest::addColumn<QString>("states");  // of the box lines applied
    QTest::addColumn<int>("badLine");     // 0 when all sixteen lines apply
    QTest::addColumn<QString>("locale");

    QTest::newRow("halves to even") << "0.5|1.5|2.5|-0.5|2" << "0 2 2 0 2" << 0 << "C";
    QTest::newRow("nearest") << "1.4|0.6|2.4|-0.4|0" << "1 1 2 0 0" << 0 << "C";
    QTest::newRow("decimal comma") << "1,5|0,5|0.5|1|2" << "2 0 0 1 2" << 0 << "de_DE";
    QTest::newRow("3") << "3|1|1|1|1" << "" << 10 << "C";
    QTest::newRow("-1") << "1|0|-1|1|1" << "1 0" << 12 << "C";
    QTest::newRow("word") << "1|1|1|abc|1" << "1 1 1" << 13 << "C";
    QTest::newRow("empty") << "1|1|1|1|" << "1 1 1 1" << 14 << "C";
    QTest::newRow("blank") << "2| |1|1|1" << "2" << 11 << "C";
    QTest::newRow("2.6 rounds to 3") << "1|1|2.6|1|1" << "1 1" << 12 << "C";
    QTest::newRow("-0.6 rounds to -1") << "-0.6|1|1|1|1" << "" << 10 << "C";
    QTest::newRow("infinity") << "1|inf|1|1|1" << "1" << 11 << "C";
    QTest::newRow("not a number") << "1|nan|1|1|1" << "1" << 11 << "C";
}

void TestDefaultsFile::boxLines()
{
    QFETCH(QString, boxes);
    QFETCH(QString, states);
    QFETCH(int, badLine);
    QFETCH(QString, locale);

    QLocale::setDefault(QLocale(locale));
    QStringList lines = Lines;
    const QStringList boxTexts = boxes.split(u'|');
    for (int i = 0; i < 5; ++i)
        lines[9 + i] = boxTexts.at(i);
    QStringList applied;
    const DefaultsReading reading = read(lines, applied);
    QCOMPARE(reading.linesApplied, badLine ? badLine - 1 : 16);
    QCOMPARE(applied.size(), reading.linesApplied);
    QStringList appliedStates;
    for (int i = 9; i < qMin(14, int(applied.size())); ++i)
        appliedStates << applied.at(i).section(u':', 2);
    QCOMPARE(appliedStates.join(u' '), states);
    if (badLine)
        QVERIFY2(reading.failure.contains(QStringLiteral("line %1 ").arg(badLine)), qPrintable(reading.failure));
    else
        QVERIFY2(reading.ok(), qPrintable(reading.failure));
}

void TestDefaultsFile::textEndsEveryLineWithCrLf()
{
    const QStringList design = QStringLiteral("0 0 1 30 0 360 30 1 999 1 1 1 1 1 Objects.csv Inclusive").split(u' ');
    QCOMPARE(defaultsText(design), QStringLiteral("0\r\n0\r\n1\r\n30\r\n0\r\n360\r\n30\r\n1\r\n999\r\n1\r\n1\r\n1\r\n"
                                                  "1\r\n1\r\nObjects.csv\r\nInclusive\r\n"));
}

QTEST_MAIN(TestDefaultsFile)
#include "test_defaultsfile.moc"
