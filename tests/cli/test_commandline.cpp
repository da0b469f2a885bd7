#include "catalogfiles.h"
#include "cli/commandline.h"
#include "formats/catalogloader.h"
#include "formats/resultstext.h"
#include "plan/session.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>

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

const QStringList SessionOptions{"--date", "2006-03-15", "--time", "21:30:00", "--gmt-deviation", "-5"};
const QStringList Night{"night", "--lat", "42.93", "--lon", "-85.48", "--date", "2006-03-15", "--gmt-deviation", "-5"};

}  // namespace

// The commands a shell runs, without a window.

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // A message on the error stream, exit code 2, nothing on the output.
    void wrongArguments()
    {
        const QStringList list = QStringList{"list", "--folder", "."} + SessionOptions;
        const std::pair<QStringList, QString> cases[] = {  // a repeated option counts with its last value
            {{"tonight"}, "there is no command \"tonight\""}, {{"list", "--folder", "."}, "\"list\" needs --date"},
            {{"night", "--latitude", "1"}, "Unknown option 'latitude'"},
            {{"night", "now"}, "takes no argument \"now\""},
            {Night + QStringList{"--date", "3/15/2006"}, "--date \"3/15/2006\" is not a date"},
            {Night + QStringList{"--lat", "91"}, "--lat \"91\" is not a number from -90 to 90"},
            {list + QStringList{"--gmt-deviation", "nan"}, "--gmt-deviation \"nan\""},
            {list + QStringList{"--time", "25:00:00"}, "--time \"25:00:00\" is not a time"},
            {QStringList{"windows", "--folder", ".", "--darkness", "pitch"} + SessionOptions, "--darkness \"pitch\""}};
        for (const auto &[arguments, problem] : cases) {
            const Run result = run(arguments);
            const QString err = QString::fromUtf8(result.err);
            QVERIFY2(result.exitCode == 2 && result.out.isEmpty() && err.contains(problem), qPrintable(problem + u'|' + err));
        }
    }

    // The list a folder's defaults and catalog give for the session, made through the plan:
    // the same bytes, also under a locale whose decimal sign is not the point of the defaults file.
    void listIsThePlansList()
    {
        QTemporaryDir folder;
        QVERIFY(QFile::copy(qEnvironmentVariable("NOCTURO_SOURCE_DIR") + "/data/Objects.csv", folder.filePath("Objects.csv")));
        writeFile(folder.filePath("defaults.txt"),
                  "42.93\r\n-85.48\r\n2\r\n0\r\n0\r\n360\r\n30\r\n0\r\n999\r\n1\r\n1\r\n1\r\n1\r\n1\r\nObjects.csv\r\nInclusive\r\n");
        SessionTexts texts;
        const std::pair<SessionField, const char *> fields[] = {
            {SessionField::Latitude, "42.93"},     {SessionField::Longitude, "-85.48"},   {SessionField::Date, "2006-03-15"},
            {SessionField::StartTime, "21:30:00"}, {SessionField::GmtDeviation, "-5"},    {SessionField::SessionLength, "2"},
            {SessionField::MinElevation, "0"},     {SessionField::MinSize, "0"}};
        for (const auto &[field, text] : fields)
            texts[field] = QString::fromLatin1(text);
        const Result<Catalog> catalog = loadCatalogFile(folder.filePath("Objects.csv"));
        QVERIFY(catalog.ok());

        for (const char *locale : {"C", "de_DE"}) {
            QLocale::setDefault(QLocale(locale));
            const Result<Session> session = readSession(texts, QLocale());
            QVERIFY(session.ok());
            const ObservingList list = generateList(session.value(), catalog.value(), nullptr);
            QVERIFY(list.size() > 100);
            const Run result = run(QStringList{"list", "--folder", folder.path()} + SessionOptions);
            QCOMPARE(result.exitCode, 0);
            QCOMPARE(QString::fromUtf8(result.out), resultsText(list, listOrder(list), LocaleNumbers(QLocale())));
            QVERIFY(result.out.split('\t').value(14).contains(QLocale().decimalPoint().toUtf8()));  // the first altitude
        }
        QVERIFY(QFile::remove(folder.filePath("Objects.csv")));
        const Run missing = run(QStringList{"list", "--folder", folder.path()} + SessionOptions);
        QVERIFY(missing.exitCode == 1 && missing.err.contains("There is no file \"Objects.csv\""));
    }

    // The events of a night and the windows of a list, in their fixed forms.
    void nightAndWindows()
    {
        const Run night = run(Night);
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
        const Run windows = run(QStringList{"windows", "--folder", folder.path(), "--darkness", "none"} + SessionOptions);
        QCOMPARE(windows.exitCode, 0);
        const QList<QByteArray> lines = windows.out.split('\n');
        QCOMPARE(lines.first(), QByteArray("Identifier\tFrom\tUntil\tMinutes\tBest\tBest altitude"));
        QCOMPARE(lines.value(1).split('\t').first(), QByteArray("NGC 3"));  // the list's own order
        const Run walled = run(QStringList{"windows", "--folder", folder.path(), "--horizon", folder.filePath("low.hzn")} + SessionOptions);
        QCOMPARE(walled.out.split('\n').size(), 2);  // the heading: a wall that high lists nothing
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
