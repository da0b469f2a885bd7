#include "windowfixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QStatusBar>

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
    // The text follows the grid as sorted (magnitudes descending here); the file replaces a longer
    // one with exactly what was copied.
    void copyAndSaveWriteTheSortedGrid()
    {
        WindowFixture fixture;
        QFile catalog(QStringLiteral("Objects.csv"));
        QVERIFY(catalog.open(QIODevice::Append));
        catalog.write("Bootes I,,14 0.0,+14 30,1x1,9.0,galaxy,Bo\xc3\xb6tes,\r\n");
        catalog.close();
        MainWindow &window = fixture.start();
        fixture.clickHeading(9);
        fixture.clickHeading(9);
        const QString path = fixture.folder.filePath(QStringLiteral("results.txt"));
        writeFile(path, QByteArray(200000, 'x'));
        QGuiApplication::clipboard()->clear();
        fixture.trigger(QStringLiteral("Copy Results to Clipboard"));
        fixture.fakes.files.answer({path});
        fixture.trigger(QStringLiteral("Save Results to File"));

        const QString copied = QGuiApplication::clipboard()->text();
        QVERIFY(copied.startsWith(HeadingLine) && copied.contains(QStringLiteral("\tBoötes\r\n")));
        QList<double> magnitudes;
        for (const QString &line : copied.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts).mid(1)) {
            QCOMPARE(line.count(u'\t'), 10);
            magnitudes << line.section(u'\t', 9, 9).toDouble();
        }
        QCOMPARE(magnitudes.size(), fixture.listed());
        QVERIFY(magnitudes.size() > 10 && std::ranges::is_sorted(magnitudes, std::greater<>()));
        QCOMPARE(fileBytes(path), copied.toUtf8());
        QCOMPARE(fixture.messages(), QString());
        QVERIFY(window.statusBar()->currentMessage().contains(QDir::toNativeSeparators(path)));
        const FileRequest &request = fixture.fakes.files.requests.first();
        QCOMPARE(request.purpose, FileRequest::Purpose::Save);
        QCOMPARE(request.presetName + u' ' + request.nameFilters.value(0), QStringLiteral("results.txt Text files (*.txt)"));
        fixture.type("Min Elevation", QStringLiteral("91"));
        QCOMPARE(fixture.copied(), HeadingLine);  // an empty list
    }

    void failedSaveKeepsWhatWasThere_data()
    {
        QTest::addColumn<QStringList>("chosen");  // none: the dialog is cancelled
        QTest::addColumn<QString>("message");     // a part of the message; empty for none

        QTest::newRow("cancelled") << QStringList() << "";
        QTest::newRow("several files") << QStringList{"a.txt", "b.txt"} << "2 files were chosen";
        QTest::newRow("missing folder") << QStringList{"nowhere/results.txt"} << "nowhere";
    }

    void failedSaveKeepsWhatWasThere()
    {
        QFETCH(QStringList, chosen);
        QFETCH(QString, message);

        WindowFixture fixture;
        fixture.start();
        const QString earlier = fixture.folder.filePath(QStringLiteral("results.txt"));
        fixture.fakes.files.answer({earlier});
        fixture.trigger(QStringLiteral("Save Results to File"));
        const QByteArray earlierBytes = fileBytes(earlier);
        const QStringList before = folderEntries(fixture.folder.path());

        fixture.type("Min Elevation", QStringLiteral("60"));
        if (!chosen.isEmpty())
            fixture.fakes.files.answer(QStringList{fixture.folder.filePath(chosen.first())} + chosen.mid(1));
        fixture.trigger(QStringLiteral("Save Results to File"));

        QCOMPARE(fixture.fakes.files.requests.size(), 2);
        QCOMPARE(fixture.messages().isEmpty(), message.isEmpty());
        QVERIFY2(fixture.messages().contains(message), qPrintable(fixture.messages()));
        QCOMPARE(folderEntries(fixture.folder.path()), before);
        QCOMPARE(fileBytes(earlier), earlierBytes);
    }

    // Each kind of file opens where the last of its kind was chosen, but the program's own files stay
    // in the working folder.
    void dialogsNeverMoveTheWorkingFolder()
    {
        WindowFixture fixture;
        fixture.start();
        QVERIFY(QDir().mkdir(QStringLiteral("night")));
        const QString night = QDir(QStringLiteral("night")).absolutePath();
        fixture.fakes.files.answer({night + QStringLiteral("/results.txt")});
        for (const char *command : {"Save Results to File", "Save Defaults", "Save Results to File", "Load Objects File"})
            fixture.trigger(QLatin1String(command));  // the last two cancelled

        const QList<FileRequest> &requests = fixture.fakes.files.requests;
        QCOMPARE(QDir(requests.at(0).initialFolder).absolutePath(), QDir(fixture.folder.path()).absolutePath());
        QCOMPARE(requests.at(1).initialFolder, night);
        QCOMPARE(QDir(requests.at(2).initialFolder).absolutePath(), QDir(fixture.folder.path()).absolutePath());
        QVERIFY(QFile::exists(fixture.folder.filePath(QStringLiteral("defaults.txt"))));
        QVERIFY(!QFile::exists(night + QStringLiteral("/defaults.txt")));
    }
};

QTEST_MAIN(TestResultsFile)
#include "test_resultsfile.moc"
