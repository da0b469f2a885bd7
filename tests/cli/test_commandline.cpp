#include "catalogfiles.h"
#include "cli/commandline.h"
#include "windowfixture.h"

#include <QBuffer>

namespace {

struct Run {
    int exitCode = 0;
    QByteArray out;
    QByteArray err;
};

Run run(const QStringList &arguments)
{
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    const int exitCode = runCommandLine(QStringList{"nocturo"} + arguments, out, err);
    return {exitCode, out.data(), err.data()};
}

const QStringList Session{"--date", "2006-03-15", "--time", "21:30:00", "--gmt-deviation", "-5"};

}  // namespace

// The commands a shell runs, without a window.

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void wrongArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("problem");

        QTest::newRow("unknown command") << QStringList{"tonight"} << "there is no command \"tonight\"";
        QTest::newRow("missing option") << QStringList{"list", "--folder", "."} << "\"list\" needs --date";
        QTest::newRow("unknown option") << QStringList{"night", "--latitude", "1"} << "Unknown option 'latitude'";
        QTest::newRow("stray argument") << QStringList{"night", "now"} << "takes no argument \"now\"";
        QTest::newRow("date form") << QStringList{"night", "--lat", "1", "--lon", "2", "--date", "3/15/2006", "--gmt-deviation", "0"}
                                   << "--date \"3/15/2006\" is not a date";
        QTest::newRow("latitude beyond the pole") << QStringList{"night", "--lat", "91", "--lon", "2", "--date", "2006-03-15", "--gmt-deviation", "0"}
                                                  << "--lat \"91\" is not a number from -90 to 90";
        QTest::newRow("deviation not a number") << QStringList{"list", "--folder", ".", "--date", "2006-03-15", "--time", "21:30:00", "--gmt-deviation", "nan"}
                                                << "--gmt-deviation \"nan\"";
        QTest::newRow("time form") << QStringList{"list", "--folder", ".", "--date", "2006-03-15", "--time", "25:00:00", "--gmt-deviation", "0"}
                                   << "--time \"25:00:00\" is not a time";
        QTest::newRow("darkness word") << QStringList{"windows", "--folder", ".", "--darkness", "pitch"} + Session
                                       << "--darkness \"pitch\"";
    }

    // A message on the error stream, exit code 2, nothing on the output.
    void wrongArguments()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, problem);
        const Run result = run(arguments);
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(QString::fromUtf8(result.err).contains(problem), result.err.constData());
        QVERIFY(result.out.isEmpty());
    }

    void listIsWhatTheWindowCopies_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("deviation");
        QTest::newRow("C") << "C" << "-5";
        QTest::newRow("German, a point in the defaults") << "de_DE" << "-5";
    }

    // Same folder, same session: the same bytes as "Copy Results to Clipboard" gives at start-up.
    void listIsWhatTheWindowCopies()
    {
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
        WindowFixture fixture;
        writeFile(QStringLiteral("defaults.txt"),
                           "42.93\r\n-85.48\r\n2\r\n0\r\n0\r\n360\r\n30\r\n0\r\n999\r\n1\r\n1\r\n1\r\n1\r\n1\r\nObjects.csv\r\nInclusive\r\n");
        fixture.fakes.clock.now = QDateTime(QDate(2006, 3, 15), QTime(21, 30, 0));
        Nocturo &window = fixture.start();
        QVERIFY(window.resultCount() > 100);

        const Run result = run(QStringList{"list", "--folder", fixture.folder.path()} + Session);

        QCOMPARE(result.exitCode, 0);
        QCOMPARE(QString::fromUtf8(result.out), window.resultsText());
        QVERIFY(QFile::remove(QStringLiteral("Objects.csv")));
        const Run missing = run(QStringList{"list", "--folder", fixture.folder.path()} + Session);
        QCOMPARE(missing.exitCode, 1);
        QVERIFY(missing.err.contains("There is no file \"Objects.csv\""));
    }

    // The events of a night and the windows of a list, in their fixed forms.
    void nightAndWindows()
    {
        const Run night = run({"night", "--lat", "42.93", "--lon", "-85.48", "--date", "2006-03-15", "--gmt-deviation", "-5"});
        QCOMPARE(night.exitCode, 0);
        QStringList names;
        for (const QByteArray &line : night.out.split('\n'))
            names << QString::fromUtf8(line.split('\t').first());
        QCOMPARE(names, (QStringList{"sunset", "civil dusk", "nautical dusk", "astronomical dusk", "astronomical dawn",
                                     "nautical dawn", "civil dawn", "sunrise", "moonrise", "moonset", "moon illumination", ""}));
        QVERIFY(night.out.startsWith("sunset\t2006-03-15 18:4"));

        QTemporaryDir folder;
        writeFile(folder.filePath("Objects.csv"), catalogBytes("NGC", 3));
        writeFile(folder.filePath("defaults.txt"), "42.93\n-85.48\n2\n-90\n0\n360\n30\n0\n999\n1\n1\n1\n1\n1\nObjects.csv\nInclusive\n");
        writeFile(folder.filePath("low.hzn"), "0 80\n");  // nothing clears an 80-degree wall
        const Run windows = run(QStringList{"windows", "--folder", folder.path(), "--darkness", "none"} + Session);
        QCOMPARE(windows.exitCode, 0);
        const QList<QByteArray> lines = windows.out.split('\n');
        QCOMPARE(lines.first(), QByteArray("Identifier\tFrom\tUntil\tMinutes\tBest\tBest altitude"));
        QCOMPARE(lines.value(1).split('\t').first(), QByteArray("NGC 3"));  // the list's own order
        const Run walled = run(QStringList{"windows", "--folder", folder.path(), "--horizon", folder.filePath("low.hzn")} + Session);
        QCOMPARE(walled.out.split('\n').size(), 2);  // the heading: a wall that high lists nothing
    }
};

QTEST_MAIN(TestCommandLine)
#include "test_commandline.moc"
