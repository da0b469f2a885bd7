#include "astro/sessioninputs.h"
#include "astro/sessiontext.h"

#include <QDate>
#include <QTest>
#include <QTime>

Q_DECLARE_METATYPE(std::optional<ClockTime>)

// Reading the date, time and number texts of the session fields.
class TestSessionText : public QObject {
    Q_OBJECT

private slots:
    void readsDates_data();
    void readsDates();
    void writtenDateReadsBack_data();
    void writtenDateReadsBack();
    void readsTimes_data();
    void readsTimes();
    void numbersFollowLocale_data();
    void numbersFollowLocale();
    void reportsEveryUnreadableField();
    void windowModeAndTypeBoxes();
};

void TestSessionText::writtenDateReadsBack_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("C") << QLocale::c();
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany);
    QTest::newRow("fr_FR") << QLocale(QLocale::French, QLocale::France);
}


void TestSessionText::readsDates_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<QDate>("date");

    const QLocale c = QLocale::c();
    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::newRow("C, month first") << c << "3/15/2006" << true << QDate(2006, 3, 15);
    QTest::newRow("C, refill value") << c << "1/1/2006" << true << QDate(2006, 1, 1);
    QTest::newRow("C, blanks around") << c << " 12/31/2026 " << true << QDate(2026, 12, 31);
    QTest::newRow("C, ISO") << c << "2006-03-15" << true << QDate(2006, 3, 15);
    QTest::newRow("C, day 15 as month") << c << "15/3/2006" << false << QDate();
    QTest::newRow("C, 30 February") << c << "2/30/2006" << false << QDate();
    QTest::newRow("C, words") << c << "tomorrow" << false << QDate();
    QTest::newRow("C, a blank") << c << " " << false << QDate();
    QTest::newRow("German short form") << german << "15.03.2006" << true << QDate(2006, 3, 15);
    QTest::newRow("German, refill value") << german << "1/1/2006" << true << QDate(2006, 1, 1);
    QTest::newRow("German, ISO") << german << "2006-03-15" << true << QDate(2006, 3, 15);
}

void TestSessionText::readsDates()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(bool, readable);
    QFETCH(QDate, date);

    const auto read = readSessionDate(text, locale);
    QCOMPARE(read.has_value(), readable);
    if (readable)
        QCOMPARE(QDate(read->year, read->month, read->day), date);
}

void TestSessionText::writtenDateReadsBack()
{
    QFETCH(QLocale, locale);
    for (const QDate date : {QDate(2006, 1, 1), QDate(2026, 12, 6), QDate(1999, 10, 31)}) {
        const QString written = writeSessionDate(date, locale);
        QCOMPARE(written.count(QString::number(date.year())), 1);  // all four digits of the year
        const auto read = readSessionDate(written, locale);
        QVERIFY(read.has_value());
        QCOMPARE(QDate(read->year, read->month, read->day), date);
    }
}

void TestSessionText::readsTimes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<ClockTime>>("time");

    QTest::newRow("h:m:s") << "21:5:0" << std::optional(ClockTime{21, 5, 0});
    QTest::newRow("leading zeros") << "09:05:07" << std::optional(ClockTime{9, 5, 7});
    QTest::newRow("blanks in parts") << " 7 : 5 : 3 " << std::optional(ClockTime{7, 5, 3});
    QTest::newRow("midnight") << "0:0:0" << std::optional(ClockTime{0, 0, 0});
    QTest::newRow("last second") << "23:59:59" << std::optional(ClockTime{23, 59, 59});
    QTest::newRow("hour out of range") << "25:0:0" << std::optional<ClockTime>();
    QTest::newRow("out of range") << "25:99:99" << std::optional<ClockTime>();
    QTest::newRow("one colon") << "21:30" << std::optional<ClockTime>();
    QTest::newRow("three colons") << "1:2:3:4" << std::optional<ClockTime>();
    QTest::newRow("letters") << "9:3o:0" << std::optional<ClockTime>();
    QTest::newRow("empty minutes") << "9::0" << std::optional<ClockTime>();
    QTest::newRow("fraction") << "9:30:0.5" << std::optional<ClockTime>();
}

void TestSessionText::readsTimes()
{
    QFETCH(QString, text);
    QFETCH(std::optional<ClockTime>, time);

    const auto read = readSessionTime(text);
    QCOMPARE(read.has_value(), time.has_value());
    if (time) {
        QCOMPARE(read->hour, time->hour);
        QCOMPARE(read->minute, time->minute);
        QCOMPARE(read->second, time->second);
    }
}


void TestSessionText::numbersFollowLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<double>("value");

    const QLocale c = QLocale::c();
    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::newRow("C point") << c << "42.93" << true << 42.93;
    QTest::newRow("C negative") << c << "-85.48" << true << -85.48;
    QTest::newRow("C blanks around") << c << " 5.5 " << true << 5.5;
    QTest::newRow("C comma") << c << "42,93" << false << 0.0;
    QTest::newRow("German comma") << german << "42,93" << true << 42.93;
    QTest::newRow("German negative") << german << "-5,75" << true << -5.75;
    QTest::newRow("empty") << c << "" << false << 0.0;
    QTest::newRow("a blank") << c << " " << false << 0.0;
    QTest::newRow("letters") << c << "north" << false << 0.0;
}

void TestSessionText::numbersFollowLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(bool, readable);
    QFETCH(double, value);

    SessionParameters parameters;
    parameters.txtDate = QStringLiteral("1/1/2006");
    parameters.txtTime = QStringLiteral("0:0:0");
    parameters.txtGMTDev = QStringLiteral("0");
    parameters.Lat = text;
    const SessionReading reading = readSessionInputs(parameters, locale);
    QCOMPARE(reading.ok(), readable);
    if (readable)
        QCOMPARE(reading.inputs.latDeg, value);
    else
        QCOMPARE(reading.unreadable, QList<SessionField>{SessionField::Lat});
}

void TestSessionText::reportsEveryUnreadableField()
{
    SessionParameters parameters;
    parameters.txtDate = QStringLiteral("soon");
    parameters.txtTime = QStringLiteral("21:30");
    parameters.txtGMTDev = QStringLiteral("-5");
    parameters.MinAz = QStringLiteral("x");
    parameters.MaxSize = QStringLiteral("");
    const SessionReading reading = readSessionInputs(parameters, QLocale::c());
    const QList<SessionField> expected{SessionField::txtDate, SessionField::txtTime,
                                       SessionField::MinAz, SessionField::MaxSize};
    QCOMPARE(reading.unreadable, expected);
}

void TestSessionText::windowModeAndTypeBoxes()
{
    SessionParameters parameters;
    parameters.txtDate = QStringLiteral("1/1/2006");
    parameters.txtTime = QStringLiteral("0:0:0");
    parameters.txtGMTDev = QStringLiteral("0");
    parameters.Included = QStringLiteral("inclusive");  // only the exact caption is inclusive
    parameters.chkGalaxy = 2;                            // grayed counts as off
    parameters.chkOpen = 0;
    const SessionInputs inputs = readSessionInputs(parameters, QLocale::c()).inputs;
    QCOMPARE(inputs.azimuthWindow.mode, AzimuthWindowMode::Exclusive);
    QVERIFY(!inputs.types.galaxy);
    QVERIFY(!inputs.types.open);
    QVERIFY(inputs.types.nebula && inputs.types.planetary && inputs.types.globular);
}

QTEST_APPLESS_MAIN(TestSessionText)
#include "test_sessiontext.moc"
