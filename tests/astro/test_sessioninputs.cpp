#include "astro/fieldnumber.h"
#include "astro/sessioninputs.h"
#include "astro/sessiontext.h"

#include <QDate>
#include <QTest>

// Reading the session's texts: dates, times and numbers, under the observer's locale.

class TestSessionInputs : public QObject {
    Q_OBJECT

private slots:
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
};

QTEST_APPLESS_MAIN(TestSessionInputs)
#include "test_sessioninputs.moc"
