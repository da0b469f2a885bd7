#include "cli/commandline.h"
#include "formats/catalogloader.h"
#include "formats/resultstext.h"
#include "nearcompare.h"
#include "sky/verdict.h"
#include "testfiles.h"
#include "workedsession.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTime>
#include <QTimeZone>

#include <cmath>
#include <numbers>

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
const QStringList LogAdd{"log", "add", "--folder", ".", "--object", "M31", "--when", "2024-03-09 21:30", "--gmt-deviation", "1"};
const QStringList Year{"year", "--folder", ".", "--year", "2024", "--gmt-deviation", "-5"};
const QStringList Night{"night", "--lat", "42.93", "--lon", "-85.48", "--date", "2006-03-15", "--gmt-deviation", "-5"};

// The arguments with the option's value replaced.
QStringList with(QStringList arguments, const QString &option, const QString &value)
{
    arguments[arguments.indexOf(option) + 1] = value;
    return arguments;
}

// The arguments with each option of the pairs given its value, added where it is not there.
QStringList withOptions(QStringList arguments, const QStringList &pairs)
{
    for (qsizetype index = 0; index + 1 < pairs.size(); index += 2) {
        if (arguments.contains(pairs.at(index)))
            arguments = with(arguments, pairs.at(index), pairs.at(index + 1));
        else
            arguments << pairs.at(index) << pairs.at(index + 1);
    }
    return arguments;
}

// A folder whose defaults list the shipped catalog at the worked session, with a horizon
// profile too high for anything.
void fillFolder(const QTemporaryDir &folder)
{
    QVERIFY(QFile::copy(qEnvironmentVariable("NOCTURO_SOURCE_DIR") + "/data/Objects.csv", folder.filePath("Objects.csv")));
    writeFile(folder.filePath("defaults.txt"),
              "42.93\n-85.48\n2\n0\n0\n360\n30\n0\n999\n1\n1\n1\n1\n1\nObjects.csv\nInclusive\n");
    writeFile(folder.filePath("wall.hzn"), "0 80\n");
}

constexpr double Rad = std::numbers::pi / 180.0;

double daysFromJ2000(const QDateTime &at)
{
    return at.toMSecsSinceEpoch() / 86400000.0 - 10957.5;
}

// The altitude and azimuth (from north through east) of a place at an instant, from the mean
// sidereal time of J. Meeus, Astronomical Algorithms (2nd ed., 1998), eq. 12.4 without its small
// terms, and eq. 13.5 and 13.6; no precession, nutation or refraction, each below a tenth of a
// degree here.
std::pair<double, double> altAzDeg(double raDeg, double decDeg, const QDateTime &at, double latDeg, double lonEastDeg)
{
    const double hourAngle = (280.46061837 + 360.98564736629 * daysFromJ2000(at) + lonEastDeg - raDeg) * Rad;
    const double dec = decDeg * Rad, lat = latDeg * Rad;
    const double alt = std::asin(std::sin(lat) * std::sin(dec) + std::cos(lat) * std::cos(dec) * std::cos(hourAngle));
    const double az = std::atan2(-std::cos(dec) * std::sin(hourAngle),
                                 std::sin(dec) * std::cos(lat) - std::cos(dec) * std::sin(lat) * std::cos(hourAngle));
    return {alt / Rad, az / Rad};
}

double cosDeg(double deg) { return std::cos(deg * Rad); }

// K. Krisciunas and B. E. Schaefer, "A model of the brightness of moonlight", PASP 103, 1033
// (1991): nanolamberts from mag/arcsec^2 and back, and the airmass of eq. 3.
double nanolamberts(double magPerArcsec2)
{
    return 34.08 * std::exp(20.7233 - 0.92104 * magPerArcsec2);
}

double magPerArcsec2(double nanolamberts)
{
    return (20.7233 - std::log(nanolamberts / 34.08)) / 0.92104;
}

double airmass(double altDeg)
{
    const double sinZenith = cosDeg(altDeg);
    return 1.0 / std::sqrt(1.0 - 0.96 * sinZenith * sinZenith);
}

}  // namespace

// The commands a shell runs, without a window.

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // A message on the error stream, exit code 2, nothing on the output. An option counts once.
    void wrongArguments()
    {
        const QStringList list = QStringList{"list", "--folder", "."} + SessionOptions;
        const std::pair<QStringList, QString> cases[] = {
            {{"tonight"}, "there is no command \"tonight\""}, {{"list", "--folder", "."}, "\"list\" needs --date"},
            {{"night", "--latitude", "1"}, "Unknown option 'latitude'"}, {{"night", "now"}, "takes no argument \"now\""},
            {with(Night, "--date", "3/15/2006"), "--date \"3/15/2006\" is not a date"},
            {with(Night, "--lat", "91"), "--lat \"91\" is not a number from -90 to 90"},
            // Beyond the dates the Sun and the Moon are computed for.
            {with(Night, "--date", "9999-12-31"), "--date \"9999-12-31\" is not a date as YYYY-MM-DD from 1800-01-01 to 2200-12-31\n"},
            {with(list, "--date", "1799-12-31"), "--date \"1799-12-31\" is not a date"},
            {with(list, "--gmt-deviation", "nan"), "--gmt-deviation \"nan\""},
            {with(list, "--time", "25:00:00"), "--time \"25:00:00\" is not a time"},
            {with(list, "--time", "21:30:00:00"), "--time \"21:30:00:00\" is not a time"},
            {with(list, "--time", "nine"), "--time \"nine\" is not a time"},
            {QStringList{"windows", "--folder", ".", "--darkness", "pitch"} + SessionOptions, "--darkness \"pitch\""},
            {Night + QStringList{"--lat", "42.93"}, "--lat is given more than once"},
            {list + QStringList{"--folder", "."}, "--folder is given more than once"},
            {list + QStringList{"--darkness", "none"}, "Unknown option 'darkness'"},
            {QStringList{"export", "--folder", "."} + SessionOptions, "\"export\" needs --format"},
            {QStringList{"export", "--folder", ".", "--format", "kml"} + SessionOptions,
             "--format \"kml\" is skylist, stellarium, cdc or csv"},
            {{"import", "--folder", "."}, "\"import\" needs FILE"},
            {{"import", "--folder", ".", "a.txt", "b.txt"}, "\"import\" takes no argument \"b.txt\""},
            {{"log"}, "\"log\" needs one of add, list, export or import"},
            {{"log", "remove"}, "there is no command \"log remove\": it is add, list, export or import"},
            {with(LogAdd, "--when", "2024-03-09 21:30:00"), "--when \"2024-03-09 21:30:00\" is not a local date and time"},
            {with(LogAdd, "--when", "2024-02-30 21:30"), "--when \"2024-02-30 21:30\" is not"},
            {with(LogAdd, "--gmt-deviation", "15"), "--gmt-deviation \"15\" is not a number"},
            {LogAdd + QStringList{"--verdict", "maybe"}, "--verdict \"maybe\" is seen, glimpsed or not-seen"},
            {{"log", "export", "--folder", ".", "--format", "skylist"}, "--format \"skylist\" is oal"},
            {{"log", "import", "--folder", "."}, "\"log import\" needs FILE"},
            {with(Year, "--year", "1799"), "--year \"1799\" is not a year from 1800 to 2200"},
            {Year + QStringList{"--darkness", "pitch"}, "--darkness \"pitch\""}};
        for (const auto &[arguments, problem] : cases)
            QVERIFY2(run(arguments).contains(QRegularExpression("^2\\|\\|.*" + problem)), qPrintable(problem));
    }

    // Each command's help: its usage and each option it takes, and nothing else, on the output;
    // asked for anywhere among the options. The program's help names every command and the
    // desktop menu's start.
    void help()
    {
        const std::pair<QStringList, QStringList> cases[] = {
            {{"list", "--help"}, {"folder", "date", "time", "gmt-deviation", "horizon", "columns", "help"}},
            {{"night", "-h"}, {"lat", "lon", "date", "gmt-deviation", "help"}},
            {{"windows", "--folder", ".", "--help"}, {"folder", "date", "time", "gmt-deviation", "horizon", "darkness", "help"}},
            {{"seen", "--help"},
             {"folder", "date", "time", "gmt-deviation", "horizon", "darkness", "sqm", "extinction", "aperture",
              "magnifications", "help"}},
            {{"export", "--help"}, {"folder", "date", "time", "gmt-deviation", "format", "output", "help"}},
            {{"import", "--help"}, {"folder", "help"}},
            {{"log", "add", "--help"}, {"folder", "object", "when", "gmt-deviation", "verdict", "notes", "help"}},
            {{"log", "export", "-h"}, {"folder", "format", "output", "help"}}};
        static const QRegularExpression optionLine("\n  --([a-z-]+)");
        for (const auto &[arguments, options] : cases) {
            const QString help = run(arguments);
            const QString command = arguments.first() == "log" ? "log " + arguments.at(1) : arguments.first();
            QVERIFY2(help.startsWith("0|Usage:\n  nocturo " + command + " --") && help.endsWith("\n|"),
                     qPrintable(help));
            QStringList listed;
            for (const QRegularExpressionMatch &match : optionLine.globalMatch(help.section("Options:", 1)))
                listed << match.captured(1);
            QCOMPARE(listed, options);
        }
        const QString usage = run({"--help"});
        for (const char *start : {"nocturo --desktop ", "nocturo list ", "nocturo night ", "nocturo windows ", "nocturo seen ",
                                  "nocturo export ", "nocturo import --folder DIR FILE\n", "nocturo log add ", "nocturo log list ",
                                  "nocturo log export ", "nocturo log import --folder DIR FILE\n"})
            QVERIFY2(usage.startsWith("0|Usage:\n") && usage.contains(start), qPrintable(start));
        const QString logUsage = run({"log", "--help"});
        QVERIFY2(logUsage.startsWith("0|Usage:\n  nocturo log add ") && logUsage.count("  nocturo log ") == 4, qPrintable(logUsage));
    }

    // The list a folder's defaults and catalog give for the session is the plan's: the same bytes,
    // also under a locale whose decimal sign is not the point of the defaults file, and with the
    // time written short as in the window. The windows come in the list's order, the first listed
    // object first, and a wall too high for anything leaves only the heading of either command.
    void listAndWindows()
    {
        QTemporaryDir folder;
        fillFolder(folder);
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
            for (const QString time : {"21:30:00", "21:30", " 21 : 30 "})
                QCOMPARE(run(with(QStringList{"list"} + inFolder, "--time", time)), "0|" + listed + "|");
            QVERIFY(run(QStringList{"list", "--horizon", folder.filePath("wall.hzn")} + inFolder)
                        .contains(QRegularExpression("^0\\|[^\n]*\n\\|$")));
            const QString windows = run(QStringList{"windows", "--darkness", "none"} + inFolder);
            QVERIFY(windows.startsWith("0|" + heading + listedIdentifiers(list).value(0) + '\t'));
            QCOMPARE(run(QStringList{"windows", "--horizon", folder.filePath("wall.hzn")} + inFolder), "0|" + heading + "|");
        }
    }

    // Each format goes to the output, or with --output to the file, which replaces one that was
    // there; a file that cannot be written is named, and leaves nothing behind. The Stellarium list
    // is named after the date.
    void exportList()
    {
        QTemporaryDir folder;
        fillFolder(folder);
        const QStringList exportCommand = QStringList{"export", "--folder", folder.path(), "--format", "skylist"} + SessionOptions;
        const Result<Catalog> catalog = loadCatalogFile(folder.filePath("Objects.csv"));
        QVERIFY(catalog.ok());
        using enum SessionField;
        const ObservingList list = generateList(
            readSession(workedSessionTexts({{MinElevation, "0"}}), QLocale::c()).value(), catalog.value(), nullptr);
        QVERIFY(list.size() > 10);
        // Each format, how its text starts, and a mark it writes once an object (and once more).
        const std::tuple<QString, QString, QString, int> cases[] = {
            {"skylist", "SkySafariObservingListVersion=3.0\r\nSkyObject=BeginObject\r\nObjectID=4,-1,-1\r\nCatalogNumber=",
             "\r\nEndObject=SkyObject\r\n", 0},
            {"cdc", "Nocturo 2006-03-15\r\n" + listedIdentifiers(list).first() + ' ', "\r\n", 1},
            {"csv", "Identifier,Messier,Type,Size,Altitude,Azimuth,RA,DEC,hrs to Transit,Magnitude,Constellation,RA (deg),Dec (deg)\r\n"
                        + listedIdentifiers(list).first() + ',', "\r\n", 1}};
        for (const auto &[format, start, mark, more] : cases) {
            const QString written = run(with(exportCommand, "--format", format));
            QVERIFY2(written.startsWith("0|" + start) && written.endsWith("\r\n|"), qPrintable(format));
            QCOMPARE(written.count(mark), list.size() + more);
        }
        const QJsonObject stellarium =
            QJsonDocument::fromJson(run(with(exportCommand, "--format", "stellarium")).section(u'|', 1, -2).toUtf8()).object();
        const QJsonObject exported = stellarium["observingLists"][stellarium["defaultListOlud"].toString()].toObject();
        QCOMPARE(exported["name"], "Nocturo 2006-03-15");
        QCOMPARE(exported["objects"].toArray().size(), list.size());

        const QString output = folder.filePath("tonight.skylist");
        writeFile(output, QByteArray(100000, 'x'));
        QCOMPARE(run(exportCommand + QStringList{"--output", output}), "0||");
        QCOMPARE("0|" + QString::fromUtf8(fileBytes(output)) + '|', run(exportCommand));
        const QString nowhere = folder.filePath("missing/tonight.skylist");
        const QString refused = run(exportCommand + QStringList{"--output", nowhere});
        QVERIFY2(refused.startsWith("1||nocturo: ") && refused.contains("tonight.skylist"), qPrintable(refused));
        QVERIFY(!QFileInfo::exists(folder.filePath("missing")));
    }

    // A time of whole hours may be written as the hour alone, as in the window.
    void wholeHours()
    {
        QTemporaryDir folder;
        fillFolder(folder);
        const QStringList list = QStringList{"list", "--folder", folder.path()} + SessionOptions;
        const QString atNine = run(with(list, "--time", "21:00:00"));
        QVERIFY(atNine.startsWith("0|") && atNine != run(list));
        for (const QString time : {"21", "21:00", "21:0:0"})
            QCOMPARE(run(with(list, "--time", time)), atNine);
    }

    // A folder that cannot give a list is named with the reason, exit code 1.
    void folderProblems()
    {
        QTemporaryDir folder;
        fillFolder(folder);
        QVERIFY(QFile::remove(folder.filePath("Objects.csv")));
        const std::pair<QString, QString> cases[] = {
            {folder.path(), "There is no file \"Objects.csv\""},
            {folder.filePath("missing"), "There is no folder \"" + QDir::toNativeSeparators(folder.filePath("missing")) + "\"."},
            {folder.filePath("wall.hzn"), "\"" + QDir::toNativeSeparators(folder.filePath("wall.hzn")) + "\" is a file, not a folder."}};
        for (const auto &[folderPath, problem] : cases) {
            const QString ran = run(QStringList{"list", "--folder", folderPath} + SessionOptions);
            QVERIFY2(ran.startsWith("1||nocturo: ") && ran.contains(problem), qPrintable(ran));
        }
    }

    // Each entry of a list on its own line, with the identifier of its object or a dash and why it
    // has none, with its line: exit code 0 when the file was read, whatever its names; 1, with
    // nothing on the output, when the list or the folder could not be read.
    void import()
    {
        QTemporaryDir folder;
        fillFolder(folder);
        const QString names = writeFile(folder.filePath("tonight.txt"), "Autumn\r\nm31\n\nMessier 42\rNGC 07000\nNGC 99999 %1\n");
        const QString sol = writeFile(folder.filePath("broken.sol"), "{\"objects\": [");
        const std::pair<QStringList, QString> cases[] = {
            {{"--folder", folder.path(), names},
             "0|m31\tNGC 224\nMessier 42\tNGC 1976\nNGC 07000\tNGC 7000\n"
             "NGC 99999 %1\t-\tline 6: no object of the catalog has this name\n|"},
            {{"--folder", folder.path(), sol}, "1||nocturo: broken.sol, line 1: the file is not JSON"},
            {{"--folder", folder.path(), folder.filePath("absent.csv")}, "1||nocturo: There is no file \"absent.csv\""},
            {{"--folder", folder.filePath("missing"), names}, "1||nocturo: There is no folder"}};
        for (const auto &[arguments, ran] : cases) {
            const QString output = run(QStringList{"import"} + arguments);
            QVERIFY2(output.startsWith(ran), qPrintable(output));
        }
    }

    // Observations kept in the folder's log, listed oldest first whatever the order they were added
    // in, with the catalog's identifier and the notes on one line; an object the catalog lacks is a
    // wrong argument, and a file that is not a log of ours is named and left as it was.
    void logAddAndList()
    {
        QTemporaryDir folder;
        fillFolder(folder);
        const auto add = [&folder](const QStringList &options) {
            return run(withOptions(with(LogAdd, "--folder", folder.path()), options));
        };
        QCOMPARE(add({"--notes", "dust lane,\tsouth\r\nfaint"}), "0|NGC 224\t2024-03-09 21:30\tseen\tdust lane, south  faint\n|");
        QCOMPARE(add({"--object", "Ring Nebula", "--when", "2024-03-09 19:00", "--gmt-deviation", "-5", "--verdict", "not-seen"}),
                 "0|NGC 6720\t2024-03-09 19:00\tnot seen\t\n|");
        QCOMPARE(add({"--object", "m 42", "--when", "2024-03-08 23:59", "--verdict", "glimpsed"}),
                 "0|NGC 1976\t2024-03-08 23:59\tglimpsed\t\n|");
        QVERIFY(add({"--object", "NGC 99999"}).startsWith("2||nocturo: --object \"NGC 99999\": no object of the catalog"));
        QCOMPARE(run({"log", "list", "--folder", folder.path()}),
                 "0|NGC 1976\t2024-03-08 23:59\tglimpsed\t\nNGC 224\t2024-03-09 21:30\tseen\tdust lane, south  faint\n"
                 "NGC 6720\t2024-03-09 19:00\tnot seen\t\n|");
        // The list's "Observed" column: the last local date seen or glimpsed, "-" for the rest.
        const QStringList list = QStringList{"list", "--folder", folder.path()} + SessionOptions;
        const QString firstListed = run(list).section("\r\n", 1, 1).section(u'\t', 0, 0);
        QVERIFY(add({"--object", firstListed, "--when", "2024-03-10 00:30", "--gmt-deviation", "2"}).startsWith("0|"));
        QVERIFY(add({"--object", firstListed, "--when", "2024-03-10 01:00", "--verdict", "not-seen"}).startsWith("0|"));
        QStringList observedCells = run(list + QStringList{"--columns", "Observed"}).split("\r\n", Qt::SkipEmptyParts);
        for (QString &line : observedCells)
            line = line.section(u'\t', -1);
        observedCells.removeLast();  // the exit code's end
        QCOMPARE(observedCells.mid(0, 2), (QStringList{"Observed", "2024-03-10"}));
        QCOMPARE(observedCells.count("-") + observedCells.count("2024-03-08") + observedCells.count("2024-03-09"),
                 observedCells.size() - 2);

        QTemporaryDir other;
        fillFolder(other);
        QCOMPARE(run({"log", "list", "--folder", other.path()}), "0||");
        QVERIFY(!QFileInfo::exists(other.filePath("observations.sqlite")));
        const QByteArray stranger = "not a database, and not to be overwritten";
        writeFile(other.filePath("observations.sqlite"), stranger);
        for (const QStringList &command : {with(LogAdd, "--folder", other.path()), QStringList{"log", "list", "--folder", other.path()}}) {
            const QString refused = run(command);
            QVERIFY2(refused.startsWith("1||nocturo: " + other.filePath("observations.sqlite")), qPrintable(refused));
        }
        QCOMPARE(fileBytes(other.filePath("observations.sqlite")), stranger);
    }

    // A log exported as OAL and imported into another folder's log is the same log; the export to a
    // file is what the standard output shows. A file that is not OAL is named with its line.
    void logExportAndImport()
    {
        QTemporaryDir folder, other;
        fillFolder(folder);
        fillFolder(other);
        for (const QStringList &options : {QStringList{"--notes", "first\nsecond"}, QStringList{"--object", "NGC 7000", "--verdict", "glimpsed"}})
            QVERIFY(run(withOptions(with(LogAdd, "--folder", folder.path()), options)).startsWith("0|"));
        const QString document = folder.filePath("log.oal");
        const QStringList exportLog{"log", "export", "--folder", folder.path(), "--format", "oal"};
        QCOMPARE(run(exportLog + QStringList{"--output", document}), "0||");
        QCOMPARE("0|" + QString::fromUtf8(fileBytes(document)) + "|", run(exportLog));
        QCOMPARE(run({"log", "import", "--folder", other.path(), document}), "0|Observations added: 2, skipped: 0\n|");
        const QString listed = run({"log", "list", "--folder", folder.path()});
        QCOMPARE(run({"log", "list", "--folder", other.path()}), listed);
        QVERIFY(listed.contains("\tfirst second\n"));

        const QString list = writeFile(folder.filePath("tonight.txt"), "M 31\n");
        QCOMPARE(run({"log", "import", "--folder", other.path(), list}),
                 "1||nocturo: tonight.txt, line 1: the XML is not well-formed: Start tag expected.\n");
    }

    // A defaults file the window would not write: the file and its line named, exit code 1, nothing
    // on the output.
    void badDefaultsAreNamedWithTheirLine()
    {
        QTemporaryDir folder;
        QVERIFY(QFile::copy(qEnvironmentVariable("NOCTURO_SOURCE_DIR") + "/data/Objects.csv", folder.filePath("Objects.csv")));
        const QStringList lines{"42.93", "-85.48", "2", "0", "0", "360", "30", "0", "999",
                                "1", "1", "1", "1", "1", "Objects.csv", "Inclusive"};
        const QString file = QDir::toNativeSeparators(folder.filePath("defaults.txt"));
        const std::tuple<int, const char *, QString> cases[] = {
            {3, "25", ", line 3: Session Length \"25\" cannot be read. Expected hours from 0 to 24"},
            {7, "nan", ", line 7: Min Brightness \"nan\" cannot be read. Expected a number"},
            {5, "1e400", ", line 5: Min Azimuth \"1e400\" cannot be read"},
            {16, "Sideways", ": line 16 reads \"Sideways\", but the azimuth mode is Inclusive or Exclusive"}};
        for (const auto &[lineNumber, text, problem] : cases) {
            QStringList bad = lines;
            bad[lineNumber - 1] = text;
            writeFile(folder.filePath("defaults.txt"), bad.join(u'\n').toUtf8());
            for (const char *command : {"list", "windows"}) {
                const QString given = run(QStringList{command, "--folder", folder.path()} + SessionOptions);
                QVERIFY2(given.startsWith("1||nocturo: " + file + problem), qPrintable(given));
            }
        }
    }

    // What the telescope shows: the heading, then each listed object in the list's order, with "-"
    // from Best on for an object never visible in the darkness asked for, and from SB on for one
    // without a size to judge. The surface brightness is the magnitude spread over the ellipse.
    void seen()
    {
        QTemporaryDir folder;
        writeFile(folder.filePath("Sky.csv"), "Identifier,M,RA,Dec,Size,Mag,Type,Constellation,Comment\n"
                                              "Oval,,5 35.0,+22 00,6x3,9.0,Galaxy,Tau,\n"
                                              "Point,,5 40.0,+20 00,0x0,9.0,Galaxy,Tau,\n");
        writeFile(folder.filePath("defaults.txt"),
                  "42.93\n-85.48\n2\n0\n0\n360\n30\n0\n999\n1\n1\n1\n1\n1\nSky.csv\nInclusive\n");
        const QStringList seen = QStringList{"seen", "--folder", folder.path()} + SessionOptions;
        const QString heading = "Identifier\tSB\tBest\tMoon\tSky\tMagnification\tReserve\tVerdict\n";
        const QString ovalSurface = QString::number(9.0 + 2.5 * std::log10(M_PI / 4 * 3600 * 6 * 3), 'f', 2);
        const QString never = "\t-\t-\t-\t-\t-\t-\n";
        // Dusk to 20:00 is never astronomically dark; 21:30 is.
        QCOMPARE(run(with(seen, "--time", "18:00:00")), "0|" + heading + "Point\t-" + never + "Oval\t" + ovalSurface + never + "|");
        const QString dark = run(seen);
        const QStringList oval = dark.section(u'\n', 2, 2).split(u'\t');
        QVERIFY2(dark.startsWith("0|" + heading + "Point\t-" + never + "Oval\t" + ovalSurface + "\t"), qPrintable(dark));
        QCOMPARE(oval.size(), 8);
        QVERIFY(QTime::fromString(oval[2], "HH:mm") >= QTime(21, 30) && QTime::fromString(oval[2], "HH:mm") <= QTime(23, 30));
        QVERIFY(QStringList({"40", "80", "120", "200"}).contains(oval[5]));
        QCOMPARE(oval[7], QString::fromUtf8(verdict(oval[6].toDouble()).data()));
        // The magnifications given are the only ones used; a larger telescope shows more.
        QCOMPARE(run(with(seen, "--time", "21:30") + QStringList{"--magnifications", "66"}).section(u'\n', 2, 2).section(u'\t', 5, 5), "66");
        const double bigger = run(seen + QStringList{"--aperture", "500"}).section(u'\n', 2, 2).section(u'\t', 6, 6).toDouble();
        QVERIFY(bigger > oval[6].toDouble());
        // The list's own columns first, the ones asked for after them in the table's order.
        const QStringList list = QStringList{"list", "--folder", folder.path()} + SessionOptions;
        const QString plain = run(list);
        const QString withColumns = run(list + QStringList{"--columns", "Verdict,SB"});
        QCOMPARE(withColumns.section("\r\n", 0, 0), plain.section("\r\n", 0, 0) + "\tSB\tVerdict");
        QCOMPARE(withColumns.section("\r\n", 2, 2), plain.section("\r\n", 2, 2) + '\t' + ovalSurface + '\t' + oval[7]);
        QCOMPARE(withColumns.section("\r\n", 1, 1), plain.section("\r\n", 1, 1) + "\t-\t-");
        // Numbers in the locale's form, as the list writes them.
        QLocale::setDefault(QLocale("de_DE"));
        QVERIFY(run(seen).section(u'\n', 2, 2).startsWith("Oval\t" + QString(ovalSurface).replace(u'.', u',') + '\t'));
    }

    // The Sky column at the best moment, worked here from where the object stands then: on the
    // night of a new Moon, the dark sky alone, B = B_zenith 10^(-0.4 k (X - 1)) X (eq. 2). The
    // Moon's light is checked in the sky tests.
    void seenSky()
    {
        QTemporaryDir folder;
        writeFile(folder.filePath("Sky.csv"), "Identifier,M,RA,Dec,Size,Mag,Type,Constellation,Comment\n"
                                              "Low,,10 00.0,-17 00,6x3,9.0,Galaxy,Hya,\n");
        writeFile(folder.filePath("defaults.txt"),
                  "42.93\n-85.48\n2\n0\n0\n360\n30\n0\n999\n1\n1\n1\n1\n1\nSky.csv\nInclusive\n");
        const double latDeg = 42.93, lonDeg = -85.48, zenithSky = 21.3, extinction = 0.4;
        const auto shown = [&](const QDate &date) {
            return run({"seen", "--folder", folder.path(), "--date", date.toString(Qt::ISODate), "--time", "21:30:00",
                        "--gmt-deviation", "-5", "--sqm", "21.3", "--extinction", "0.4"})
                .section(u'\n', 1, 1).split(u'\t');
        };
        const auto bestMoment = [](const QDate &date, const QStringList &row) {
            return QDateTime(date, QTime::fromString(row.value(2), "HH:mm"), QTimeZone(-5 * 3600));
        };
        const auto darkSky = [&](double objectAirmass) {
            return nanolamberts(zenithSky) * std::pow(10.0, -0.4 * extinction * (objectAirmass - 1.0)) * objectAirmass;
        };
        const QDate newMoon(2006, 3, 29);
        const QStringList moonless = shown(newMoon);
        QCOMPARE(moonless.value(3), "-");
        const double moonlessAirmass = airmass(altAzDeg(150.0, -17.0, bestMoment(newMoon, moonless), latDeg, lonDeg).first);
        QCOMPARE_NEAR(moonless.value(4).toDouble(), magPerArcsec2(darkSky(moonlessAirmass)), 0.01);

    }

    // The observer's lines of the defaults file and the observer's options: what cannot be read is
    // named, with the file and its line or as an argument; the list without new columns does not
    // read them.
    void badObserverValues()
    {
        QTemporaryDir folder;
        fillFolder(folder);
        const QString file = QDir::toNativeSeparators(folder.filePath("defaults.txt"));
        writeFile(file, "42.93\n-85.48\n2\n0\n0\n360\n30\n0\n999\n1\n1\n1\n1\n1\nObjects.csv\nInclusive\n\n21\nabc\n");
        const QStringList inFolder = QStringList{"--folder", folder.path()} + SessionOptions;
        QVERIFY(run(QStringList{"list"} + inFolder).startsWith("0|Identifier"));
        const QString lineProblem = "1||nocturo: " + file + ", line 19: Extinction \"abc\" cannot be read. Expected an extinction";
        for (const QStringList &command : {QStringList{"seen"}, QStringList{"list", "--columns", "Reserve"}})
            QVERIFY(run(command + inFolder).startsWith(lineProblem));
        QVERIFY(run(QStringList{"seen", "--extinction", "0.3"} + inFolder).startsWith("0|Identifier\tSB"));
        const std::pair<QStringList, QString> arguments[] = {
            {{"--extinction", "2"}, "--extinction \"2\" is not an extinction coefficient in magnitudes per airmass from 0.05 to 1"},
            {{"--sqm", "x"}, "--sqm \"x\" is not a sky-quality-meter reading"},
            {{"--aperture", "5"}, "--aperture \"5\" is not an aperture in mm from 10 to 2000"},
            {{"--magnifications", "40,0"}, "--magnifications \"40,0\" is not 1 to 20 magnifications from 1 to 2000 separated by commas"},
            {{"--darkness", "dim"}, "--darkness \"dim\" is none, civil, nautical or astronomical"}};
        for (const auto &[given, problem] : arguments)
            QVERIFY2(run(QStringList{"seen"} + given + inFolder).startsWith("2||nocturo: " + problem), qPrintable(problem));
        QVERIFY(run(with(QStringList{"seen"} + inFolder, "--time", "nine")).startsWith("2||nocturo: --time \"nine\" is not a time"));
        QVERIFY(run(QStringList{"list", "--columns", "Moon,Alt"} + inFolder).startsWith("2||nocturo: --columns \"Alt\" names no column"));
    }

    // One object: a line for each night of the year, its visible minutes and the moonless ones
    // among them (and those a telescope shows it, with one); without one, every object passing the
    // filters with its best night.
    void year()
    {
        QTemporaryDir folder;
        fillFolder(folder);
        const QStringList inFolder = with(Year, "--folder", folder.path());
        const auto nightsOf = [&](const QStringList &more) {
            return run(inFolder + QStringList{"--object", "M42"} + more).section(u'|', 1, 1).split(u'\n', Qt::SkipEmptyParts);
        };
        const auto yearMinutes = [](const QStringList &nights) {
            int minutes = 0;
            for (const QString &night : nights)
                minutes += night.section(u'\t', 1, 1).toInt();
            return minutes;
        };
        const QStringList nights = nightsOf({});
        QCOMPARE(nights.size(), 366);
        QVERIFY(nights.first().startsWith("2024-01-01\t") && nights.last().startsWith("2024-12-31\t"));
        for (const QString &night : nights) {
            const QStringList cells = night.split(u'\t');
            QVERIFY2(cells.size() == 3 && cells[2].toInt() <= cells[1].toInt(), qPrintable(night));
        }
        // Orion is a winter object: in the dark in January, never in June at 42.93 N.
        QVERIFY(nights[0].section(u'\t', 1, 1).toInt() > 0);
        QCOMPARE(nights[170], "2024-06-19\t0\t0");
        QCOMPARE(yearMinutes(nightsOf({"--horizon", folder.filePath("wall.hzn")})), 0);
        QVERIFY(yearMinutes(nightsOf({"--darkness", "none"})) > yearMinutes(nights));
        // With the defaults' own sky and telescope, a fourth column: the minutes it shows in them,
        // the bright nebula under the Moon too.
        writeFile(folder.filePath("defaults.txt"), "42.93\n-85.48\n2\n0\n0\n360\n30\n0\n999\n1\n1\n1\n1\n1\n"
                                                   "Objects.csv\nInclusive\n\n21.3\n0.2\n200\n40 100 200\n");
        int nightsShownUnderTheMoon = 0;
        for (const QString &night : nightsOf({})) {
            const QStringList cells = night.split(u'\t');
            QVERIFY2(cells.size() == 4 && cells[3].toInt() <= cells[1].toInt(), qPrintable(night));
            nightsShownUnderTheMoon += cells[3].toInt() > cells[2].toInt();
        }
        QVERIFY(nightsShownUnderTheMoon > 0);

        const QStringList best = run(inFolder).section(u'|', 1, 1).split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(best.size() > 100);
        QVERIFY(best.contains(QRegularExpression("^NGC 1976\t2024-(01|02|11|12)-\\d+\t[1-9]\\d+$")));
        QVERIFY(run(inFolder + QStringList{"--object", "M 999"}).startsWith("2||nocturo: --object \"M 999\""));
        QVERIFY(run(with(Year, "--folder", folder.filePath("missing"))).startsWith("1||"));
    }

    // The events of a night in their fixed order, in local time: scripts read them by name or by
    // position.
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
