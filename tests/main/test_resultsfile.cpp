#include "windowfixture.h"

#include "ui/main/resultstext.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

const QString HeadingLine = QStringLiteral(
    "Identifier\tMessier\tType\tSize\tAltitude\tAzimuth\tRA\tDEC\thrs to Transit\tMagnitude\tConstellation\r\n");

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The lines of a text whose every line ends with CR LF, without their line ends; an empty
// list when some line is not ended that way.
QStringList crLfLines(const QString &text)
{
    if (!text.endsWith(QStringLiteral("\r\n")))
        return {};
    QStringList lines = text.chopped(2).split(QStringLiteral("\r\n"));
    for (const QString &line : lines) {
        if (line.contains(u'\r') || line.contains(u'\n'))
            return {};
    }
    return lines;
}

// A grid row's cells as the results text should carry them.
QString gridLine(const FlexGrid &grid, int row)
{
    QStringList cells;
    for (int col = 0; col < 11; ++col)
        cells << grid.TextMatrix(row, col);
    return cells.join(u'\t');
}

}  // namespace

// The results text, "Copy Results to Clipboard" and "Save Results to File".
class TestResultsFile : public QObject {
    Q_OBJECT

private slots:
    void textIsBuiltFromTheCellsItIsGiven();
    void emptyListIsTheHeadingLineAlone();
    void everyRowIsOneLineOfElevenCells();
    void linesFollowTheSortedGrid();
    void missingMessierNumberLeavesAnEmptyCell();
    void cellsAreTakenUnchanged();
    void clipboardAndFileHoldTheSameText();
    void savingReplacesAnExistingFile();
    void cancelledDialogWritesNothing();
    void severalChosenFilesWriteNothing();
    void pathThatCannotBeWrittenIsReported_data();
    void pathThatCannotBeWrittenIsReported();
    void dialogStartsInTheCurrentFolder();
    void defaultsFollowTheFolderOfTheResults();

private:
    static QStringList folderEntries(const WindowFixture &fixture)
    {
        return QDir(fixture.folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
};

void TestResultsFile::textIsBuiltFromTheCellsItIsGiven()
{
    QList<QPoint> read;
    const QString text = buildResultsText(2, [&read](int row, int col) {
        read.append(QPoint(col, row));
        return QStringLiteral("%1.%2").arg(row).arg(col);
    });
    QCOMPARE(text, HeadingLine + QStringLiteral("1.0\t1.1\t1.2\t1.3\t1.4\t1.5\t1.6\t1.7\t1.8\t1.9\t1.10\r\n"
                                                "2.0\t2.1\t2.2\t2.3\t2.4\t2.5\t2.6\t2.7\t2.8\t2.9\t2.10\r\n"));
    // Rows 1 and 2 only: the heading row of the grid is never read.
    QCOMPARE(read.size(), 22);
    for (const QPoint &cell : read)
        QVERIFY(cell.y() == 1 || cell.y() == 2);
}

void TestResultsFile::emptyListIsTheHeadingLineAlone()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    fixture.type("MinElev", QStringLiteral("91"));
    QCOMPARE(window.resultCount(), 0);
    QCOMPARE(window.resultsText(), HeadingLine);

    const QString path = fixture.folder.filePath(QStringLiteral("results.txt"));
    fixture.fakes.files.answer({path});
    window.export_Click();
    QCOMPARE(fileBytes(path), HeadingLine.toUtf8());
}

void TestResultsFile::everyRowIsOneLineOfElevenCells()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    QVERIFY(window.resultCount() > 10);
    const QString text = window.resultsText();
    QVERIFY(!text.startsWith(QChar(0xfeff)));

    const QStringList lines = crLfLines(text);
    QCOMPARE(lines.size(), window.resultCount() + 1);
    QCOMPARE(lines.first() + QStringLiteral("\r\n"), HeadingLine);
    for (int row = 1; row < lines.size(); ++row) {
        const QString &line = lines.at(row);
        QCOMPARE(line.count(u'\t'), 10);
        QVERIFY2(!line.endsWith(u'\t'), qPrintable(line));
        QVERIFY2(!line.trimmed().isEmpty(), "blank line");
        QCOMPARE(line, gridLine(fixture.grid(), row));
    }
}

void TestResultsFile::linesFollowTheSortedGrid()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    const QString unsorted = window.resultsText();
    fixture.clickHeading(9);
    fixture.clickHeading(9);
    QVERIFY(fixture.grid().TextMatrix(0, 9).startsWith(QStringLiteral("< ")));  // descending

    const QString text = window.resultsText();
    QVERIFY(text != unsorted);
    const QStringList lines = crLfLines(text);
    QCOMPARE(lines.size(), window.resultCount() + 1);
    QCOMPARE(lines.first() + QStringLiteral("\r\n"), HeadingLine);
    double previous = qInf();
    for (int row = 1; row < lines.size(); ++row) {
        QCOMPARE(lines.at(row), gridLine(fixture.grid(), row));
        bool ok = false;
        const double magnitude = lines.at(row).section(u'\t', 9, 9).toDouble(&ok);
        QVERIFY(ok);
        QVERIFY2(magnitude <= previous, qPrintable(lines.at(row)));
        previous = magnitude;
    }
}

void TestResultsFile::missingMessierNumberLeavesAnEmptyCell()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    const QStringList messier = fixture.column(1);
    const qsizetype row = messier.indexOf(QString()) + 1;
    QVERIFY(row > 0);
    QVERIFY(messier.count(QString()) < messier.size());  // some rows carry a number

    const QString line = crLfLines(window.resultsText()).at(row);
    QVERIFY2(line.startsWith(fixture.grid().TextMatrix(int(row), 0) + QStringLiteral("\t\t")), qPrintable(line));
    QCOMPARE(line.count(u'\t'), 10);
}

void TestResultsFile::cellsAreTakenUnchanged()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    fixture.grid().setTextMatrix(1, 0, QStringLiteral(" NGC 1 "));
    fixture.grid().setTextMatrix(1, 10, QStringLiteral("Ori  "));
    const QString line = crLfLines(window.resultsText()).at(1);
    QVERIFY2(line.startsWith(QStringLiteral(" NGC 1 \t")), qPrintable(line));
    QVERIFY2(line.endsWith(QStringLiteral("\tOri  ")), qPrintable(line));
}

void TestResultsFile::clipboardAndFileHoldTheSameText()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    fixture.grid().setTextMatrix(2, 10, QStringLiteral("Boötes"));  // more than ASCII
    QGuiApplication::clipboard()->clear();

    window.copy_Click();
    const QString copied = QGuiApplication::clipboard()->text();
    const QString path = fixture.folder.filePath(QStringLiteral("results.txt"));
    fixture.fakes.files.answer({path});
    window.export_Click();

    QVERIFY(copied.startsWith(HeadingLine));
    QVERIFY(copied.contains(QStringLiteral("\tBoötes\r\n")));
    QCOMPARE(fileBytes(path), copied.toUtf8());
    QVERIFY(fixture.fakes.messages.shown.isEmpty());
}

void TestResultsFile::savingReplacesAnExistingFile()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    const QString path = fixture.folder.filePath(QStringLiteral("results.txt"));
    // Longer than any list, so that left-over bytes would show.
    writeBytes(path, QByteArray(200000, 'x'));
    fixture.type("MinElev", QStringLiteral("60"));
    const QString expected = window.resultsText();

    fixture.fakes.files.answer({path});
    window.export_Click();
    QCOMPARE(fileBytes(path), expected.toUtf8());
    QVERIFY(fixture.fakes.messages.shown.isEmpty());
}

void TestResultsFile::cancelledDialogWritesNothing()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    const QStringList before = folderEntries(fixture);

    window.export_Click();  // no answer queued: the dialog is cancelled
    QCOMPARE(fixture.fakes.files.requests.size(), 1);
    QCOMPARE(folderEntries(fixture), before);
    QVERIFY(fixture.fakes.messages.shown.isEmpty());
}

void TestResultsFile::severalChosenFilesWriteNothing()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    const QStringList before = folderEntries(fixture);

    fixture.fakes.files.answer({fixture.folder.filePath(QStringLiteral("a.txt")),
                                fixture.folder.filePath(QStringLiteral("b.txt"))});
    window.export_Click();
    QCOMPARE(fixture.fakes.messages.shown.size(), 1);
    QCOMPARE(fixture.fakes.messages.shown.first().title, QStringLiteral("Nocturo"));
    QCOMPARE(folderEntries(fixture), before);
}

void TestResultsFile::pathThatCannotBeWrittenIsReported_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("isFolder");

    QTest::newRow("a folder") << "sessions" << true;
    QTest::newRow("in a folder that does not exist") << "nowhere/results.txt" << false;
}

void TestResultsFile::pathThatCannotBeWrittenIsReported()
{
    QFETCH(QString, name);
    QFETCH(bool, isFolder);

    WindowFixture fixture;
    Nocturo &window = fixture.start();
    const QString path = fixture.folder.filePath(name);
    if (isFolder)
        QVERIFY(QDir(fixture.folder.path()).mkdir(name));
    // An earlier save that a failing one must leave alone.
    const QString earlier = fixture.folder.filePath(QStringLiteral("results.txt"));
    fixture.fakes.files.answer({earlier});
    window.export_Click();
    const QByteArray earlierBytes = fileBytes(earlier);
    QVERIFY(earlierBytes.startsWith(HeadingLine.toUtf8()));
    const QStringList before = folderEntries(fixture);

    fixture.type("MinElev", QStringLiteral("60"));
    fixture.fakes.files.answer({path});
    window.export_Click();
    QCOMPARE(fixture.fakes.messages.shown.size(), 1);
    const Message &message = fixture.fakes.messages.shown.first();
    QCOMPARE(message.title, QStringLiteral("Nocturo"));
    QVERIFY2(message.text.contains(QDir::toNativeSeparators(path)), qPrintable(message.text));
    QCOMPARE(QFileInfo(path).isDir(), isFolder);
    QVERIFY(!isFolder || QDir(path).isEmpty());
    QCOMPARE(folderEntries(fixture), before);
    QCOMPARE(fileBytes(earlier), earlierBytes);
}

void TestResultsFile::dialogStartsInTheCurrentFolder()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    QVERIFY(QDir(fixture.folder.path()).mkdir(QStringLiteral("sessions")));
    QVERIFY(QDir::setCurrent(fixture.folder.filePath(QStringLiteral("sessions"))));

    window.export_Click();
    QCOMPARE(fixture.fakes.files.requests.size(), 1);
    const FileRequest &request = fixture.fakes.files.requests.first();
    QCOMPARE(request.purpose, FileRequest::Purpose::Save);
    QCOMPARE(request.presetName, QStringLiteral("results.txt"));
    QCOMPARE(request.initialFolder, QDir::currentPath());
    QCOMPARE(QFileInfo(request.initialFolder).fileName(), QStringLiteral("sessions"));
    QVERIFY(request.nameFilters.filter(QStringLiteral("*.csv")).size() == 1);
}

void TestResultsFile::defaultsFollowTheFolderOfTheResults()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    QVERIFY(QDir(fixture.folder.path()).mkdir(QStringLiteral("night")));
    const QString night = fixture.folder.filePath(QStringLiteral("night"));

    fixture.fakes.files.answer({night + QStringLiteral("/results.txt")});
    window.export_Click();
    QVERIFY(QFile::exists(night + QStringLiteral("/results.txt")));

    window.saveDef_Click();
    QVERIFY(QFile::exists(night + QStringLiteral("/defaults.txt")));
    QVERIFY(!QFile::exists(fixture.folder.filePath(QStringLiteral("defaults.txt"))));

    // A later save starts where the last one went.
    window.export_Click();
    QCOMPARE(fixture.fakes.files.requests.size(), 2);
    QCOMPARE(QFileInfo(fixture.fakes.files.requests.last().initialFolder).canonicalFilePath(),
             QFileInfo(night).canonicalFilePath());
}

QTEST_MAIN(TestResultsFile)
#include "test_resultsfile.moc"
