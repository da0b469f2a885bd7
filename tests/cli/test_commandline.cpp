#include "cli/commandline.h"
#include "formats/catalogloader.h"
#include "formats/resultstext.h"
#include "testfiles.h"
#include "workedsession.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// What a run gives: its exit code, what it writes to the output and to the error stream, "|"
// between them.
QString run(const QStringList &arguments)
{
    QBuffer out, err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    const int exitCode = runCommandLine(QStringList{"nocturo"} + arguments, out, err);
    return QString("%1|%2|%3").arg(exitCode).arg(QString::fromUtf8(out.data()), QString::fromUtf8(err.data()));
}

const QStringList SessionOptions{"--date", "2006-03-15", "--time", "21:30:00", "--gmt-deviation", "-5"};
const QStringList Night{"night", "--lat", "42.93", "--lon", "-85.48", "--date", "2006-03-15", "--gmt-deviation", "-5"};

}  // namespace

// The commands a shell runs, without a window.

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // A message on the error stream, exit code 2, nothing on the output. A repeated option counts
    // with its last value.
    void wrongArguments()
    {
        const QStringList list = QStringList{"list", "--folder", "."} + SessionOptions;
        const std::pair<QStringList, QString> cases[] = {
            {{"tonight"}, "there is no command \"tonight\""}, {{"list", "--folder", "."}, "\"list\" needs --date"},
            {{"night", "--latitude", "1"}, "Unknown option 'latitude'"}, {{"night", "now"}, "takes no argument \"now\""},
            {Night + QStringList{"--date", "3/15/2006"}, "--date \"3/15/2006\" is not a date"},
            {Night + QStringList{"--lat", "91"}, "--lat \"91\" is not a number from -90 to 90"},
            // Beyond the dates the Sun and the Moon are computed for.
            {{"night", "--lat", "0", "--lon", "0", "--date", "9999-12-31", "--gmt-deviation", "0"},
             "--date \"9999-12-31\" is not a date as YYYY-MM-DD from 1800-01-01 to 2200-12-31\n"},
            {{"list", "--folder", ".", "--date", "1799-12-31", "--time", "21:30:00", "--gmt-deviation", "0"},
             "--date \"1799-12-31\" is not a date"},
            {list + QStringList{"--gmt-deviation", "nan"}, "--gmt-deviation \"nan\""},
            {list + QStringList{"--time", "25:00:00"}, "--time \"25:00:00\" is not a time"},
            {QStringList{"windows", "--folder", ".", "--darkness", "pitch"} + SessionOptions, "--darkness \"pitch\""}};
        for (const auto &[arguments, problem] : cases)
            QVERIFY2(run(arguments).contains(QRegularExpression("^2\\|\\|.*" + problem)), qPrintable(problem));
    }

    // The list a folder's defaults and catalog give for the session is the plan's: the same bytes,
    // also under a locale whose decimal sign is not the point of the defaults file. The windows come
    // in the list's order, the first listed object first, and a wall too high for anything leaves
    // only the heading. Without its catalog the folder gives nothing.
    void listAndWindows()
    {
        QTemporaryDir folder;
        QVERIFY(QFile::copy(qEnvironmentVariable("NOCTURO_SOURCE_DIR") + "/data/Objects.csv", folder.filePath("Objects.csv")));
        writeFile(folder.filePath("defaults.txt"),
                  "42.93\n-85.48\n2\n0\n0\n360\n30\n0\n999\n1\n1\n1\n1\n1\nObjects.csv\nInclusive\n");
        writeFile(folder.filePath("wall.hzn"), "0 80\n");
        using enum SessionField;
        const SessionTexts texts = workedSessionTexts({{Date, "2006-03-15"}, {StartTime, "21:30:00"}, {MinElevation, "0"}});
        const Result<Catalog> catalog = loadCatalogFile(folder.filePath("Objects.csv"));
        QVERIFY(catalog.ok());
        const QStringList inFolder = QStringList{"--folder", folder.path()} + SessionOptions;
        const QString heading = "Identifier\tFrom\tUntil\tMinutes\tBest\tBest altitude\n";
        for (const char *locale : {"C", "de_DE"}) {
            QLocale::setDefault(QLocale(locale));
            const ObservingList list = generateList(readSession(texts, QLocale()).value(), catalog.value(), nullptr);
            const QString listed = resultsText(list, listOrder(list), LocaleNumbers(QLocale()));
            QCOMPARE(run(QStringList{"list"} + inFolder), "0|" + listed + "|");
            const QString windows = run(QStringList{"windows", "--darkness", "none"} + inFolder);
            QVERIFY(windows.startsWith("0|" + heading + listedIdentifiers(list).value(0) + '\t'));
            QCOMPARE(run(QStringList{"windows", "--horizon", folder.filePath("wall.hzn")} + inFolder), "0|" + heading + "|");
        }
        QVERIFY(QFile::remove(folder.filePath("Objects.csv")));
        QVERIFY(run(QStringList{"list"} + inFolder).contains(QRegularExpression("^1\\|\\|.*There is no file \"Objects.csv\"")));
    }

    // The events of a night in their fixed order, in local time.
    void night()
    {
        const QString night = run(Night);
        QCOMPARE(QString(night).remove(QRegularExpression("\t[^\n]*")),
                 "0|sunset\ncivil dusk\nnautical dusk\nastronomical dusk\nastronomical dawn\nnautical dawn\ncivil dawn\nsunrise\n"
                 "moonrise\nmoonset\nmoon illumination\n|");
        QVERIFY(night.startsWith("0|sunset\t2006-03-15 18:4"));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
