#include "windowfixture.h"

#include "ui/main/resultstext.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

const QString HeadingLine = QStringLiteral(
    "Identifier\tMessier\tType\tSize\tAltitude\tAzimuth\tRA\tDEC\thrs to Transit\tMagnitude\tConstellation\r\n");

QStringList folderEntries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

}  // namespace

// The results text, "Copy Results to Clipboard" and "Save Results to File".
class TestResultsFile : public QObject {
    Q_OBJECT

private slots:
    void textIsBuiltFromTheCellsItIsGiven();
    void textFollowsTheSortedGrid();
    void fileReplacedWithTheClipboardText();
    void failedSaveWritesNothing_data();
    void failedSaveWritesNothing();
    void saveStartsInTheCurrentFolderAndMovesIt();
};

void TestResultsFile::textIsBuiltFromTheCellsItIsGiven()
{
    QList<int> rowsRead;
    const QString text = buildResultsText(2, [&rowsRead](int row, int col) {
        rowsRead << row;
        return row == 2 && col == 1 ? QString() : QStringLiteral("%1.%2").arg(row).arg(col);
    });
    QCOMPARE(text, HeadingLine + QStringLiteral("1.0\t1.1\t1.2\t1.3\t1.4\t1.5\t1.6\t1.7\t1.8\t1.9\t1.10\r\n"
                                                "2.0\t\t2.2\t2.3\t2.4\t2.5\t2.6\t2.7\t2.8\t2.9\t2.10\r\n"));
    QCOMPARE(rowsRead.size(), 22);
    QVERIFY(!rowsRead.contains(0));  // the grid's heading row is never read
}

void TestResultsFile::textFollowsTheSortedGrid()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    fixture.clickHeading(9);
    fixture.clickHeading(9);
    QVERIFY(fixture.grid().TextMatrix(0, 9).startsWith(QStringLiteral("< ")));
    const QStringList magnitudes = fixture.column(9);
    QVERIFY(magnitudes.size() > 10
            && std::ranges::is_sorted(magnitudes, std::greater<>(), [](const QString &m) { return m.toDouble(); }));
    const auto cell = [&fixture](int row, int col) { return fixture.grid().TextMatrix(row, col); };
    QCOMPARE(window.resultsText(), buildResultsText(window.resultCount(), cell));
    fixture.type("MinElev", QStringLiteral("91"));
    QCOMPARE(window.resultsText(), HeadingLine);  // an empty list
}

void TestResultsFile::fileReplacedWithTheClipboardText()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    const QString path = fixture.folder.filePath(QStringLiteral("results.txt"));
    QVERIFY(writeBytes(path, QByteArray(200000, 'x')));  // longer than any list
    fixture.grid().setTextMatrix(2, 10, QStringLiteral("Boötes"));
    QGuiApplication::clipboard()->clear();

    window.copy_Click();
    fixture.fakes.files.answer({path});
    window.export_Click();
    const QString copied = QGuiApplication::clipboard()->text();
    QVERIFY(copied.startsWith(HeadingLine) && copied.contains(QStringLiteral("\tBoötes\r\n")));
    QCOMPARE(fileBytes(path), copied.toUtf8());
    VERIFY_MESSAGE(fixture, false);
}

void TestResultsFile::failedSaveWritesNothing_data()
{
    QTest::addColumn<QStringList>("chosen");  // none: the dialog is cancelled
    QTest::addColumn<QString>("named");       // what the message names; empty for no message

    QTest::newRow("cancelled") << QStringList() << "";
    QTest::newRow("several files") << QStringList{"a.txt", "b.txt"} << "a.txt";
    QTest::newRow("a folder") << QStringList{"sessions"} << "sessions";
    QTest::newRow("missing folder") << QStringList{"nowhere/results.txt"} << "nowhere/results.txt";
}

void TestResultsFile::failedSaveWritesNothing()
{
    QFETCH(QStringList, chosen);
    QFETCH(QString, named);

    WindowFixture fixture;
    Nocturo &window = fixture.start();
    QVERIFY(QDir().mkdir(QStringLiteral("sessions")));
    const QString earlier = fixture.folder.filePath(QStringLiteral("results.txt"));
    fixture.fakes.files.answer({earlier});
    window.export_Click();
    const QByteArray earlierBytes = fileBytes(earlier);
    QVERIFY(earlierBytes.startsWith(HeadingLine.toUtf8()));
    const QStringList before = folderEntries(fixture.folder.path());

    fixture.type("MinElev", QStringLiteral("60"));
    if (!chosen.isEmpty())
        fixture.fakes.files.answer(QStringList{fixture.folder.filePath(chosen.first())} + chosen.mid(1));
    window.export_Click();
    QCOMPARE(fixture.fakes.files.requests.size(), 2);
    VERIFY_MESSAGE(fixture, !named.isEmpty(), QDir::toNativeSeparators(fixture.folder.filePath(named)));
    QCOMPARE(folderEntries(fixture.folder.path()), before);
    QVERIFY(QDir(fixture.folder.filePath(QStringLiteral("sessions"))).isEmpty());
    QCOMPARE(fileBytes(earlier), earlierBytes);
}

void TestResultsFile::saveStartsInTheCurrentFolderAndMovesIt()
{
    WindowFixture fixture;
    Nocturo &window = fixture.start();
    QVERIFY(QDir().mkdir(QStringLiteral("night")));
    const QString night = QFileInfo(QStringLiteral("night")).canonicalFilePath();
    fixture.fakes.files.answer({night + QStringLiteral("/results.txt")});
    window.export_Click();
    const FileRequest &request = fixture.fakes.files.requests.first();
    QCOMPARE(request.purpose, FileRequest::Purpose::Save);
    QCOMPARE(request.presetName, QStringLiteral("results.txt"));
    QCOMPARE(request.nameFilters.filter(QStringLiteral("*.csv")).size(), 1);
    QCOMPARE(QFileInfo(request.initialFolder).canonicalFilePath(),
             QFileInfo(fixture.folder.path()).canonicalFilePath());

    // Relative names now resolve in the folder of the results.
    window.saveDef_Click();
    QVERIFY(QFile::exists(night + QStringLiteral("/defaults.txt")));
    window.export_Click();
    QCOMPARE(QFileInfo(fixture.fakes.files.requests.last().initialFolder).canonicalFilePath(), night);
}

QTEST_MAIN(TestResultsFile)
#include "test_resultsfile.moc"
