#include "windowfixture.h"

#include <QClipboard>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

// The results text, "Copy Results to Clipboard", "Save Results to File" and "Export List As...".

class TestResultsFile : public QObject {
    Q_OBJECT

private slots:
    // The text follows the grid as sorted (magnitudes descending: a new list keeps the order and the
    // next click goes on from it); the file replaces a longer one with exactly what was copied. Each
    // kind of file opens where the last of its kind was chosen, but the program's own files stay in
    // the working folder.
    void copyAndSaveWriteTheSortedGrid()
    {
        WindowFixture fixture;
        const QByteArray bootes = "Bootes I,,14 0.0,+14 30,1x1,9.0,galaxy,Bo\xc3\xb6tes,\r\n";  // a name beyond ASCII
        writeFile(QStringLiteral("Objects.csv"), fileBytes(QStringLiteral("Objects.csv")) + bootes);
        fixture.start();
        fixture.clickHeading(9);
        QTest::mouseClick(fixture.button(QStringLiteral("Refresh List")), Qt::LeftButton);
        fixture.clickHeading(9);
        QVERIFY(QDir().mkdir(QStringLiteral("night")));  // the results go elsewhere
        const QString path = writeFile(QStringLiteral("night/results.txt"), QByteArray(200000, 'x'));
        fixture.trigger(QStringLiteral("Copy Results to Clipboard"));
        const QString text = QGuiApplication::clipboard()->text();
        fixture.fakes.files.answer({path});
        fixture.trigger(QStringLiteral("Save Results to File"));
        QCOMPARE(fixture.messages() + fixture.status(), QStringLiteral("%1 objects listed. Results saved to \"%2\".")
                                                              .arg(fixture.listed()).arg(QDir::toNativeSeparators(path)));
        for (const char *command : {"Save Defaults", "Save Results to File", "Load Objects File"})
            fixture.trigger(QLatin1String(command));  // the last two cancelled

        QVERIFY(text.startsWith(QStringLiteral("Identifier\tMessier\t")) && text.contains(QStringLiteral("\tBoötes\r\n")));
        QStringList magnitudes;
        for (const QString &line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts).mid(1))
            magnitudes << line.section(u'\t', 9, 9);
        QCOMPARE(magnitudes, fixture.column(9));  // the grid's rows, in its order
        const auto magnitude = [](const QString &cell) { return cell.toDouble(); };
        QVERIFY(magnitudes.size() > 10 && std::ranges::is_sorted(magnitudes, std::greater<>(), magnitude));
        QCOMPARE(fileBytes(path), text.toUtf8());
        const QList<FileRequest> &requests = fixture.fakes.files.requests;
        QVERIFY(requests.at(0).purpose == FileRequest::Purpose::Save && requests.at(0).presetName == u"results.txt"
                && requests.at(0).nameFilters.value(0) == u"Text files (*.txt)");
        QStringList folders;  // where each dialog opened
        for (const FileRequest &request : requests)
            folders << QDir(request.initialFolder).absolutePath();
        const QString working = QDir(fixture.folder.path()).absolutePath();
        QCOMPARE(folders, (QStringList{working, QFileInfo(path).absolutePath(), working}));
        QVERIFY(QFile::exists(QStringLiteral("defaults.txt")) && !QFile::exists(QStringLiteral("night/defaults.txt")));
    }

    // A cancelled or refused save leaves the folder and an earlier results file as they were.
    void failedSaveKeepsWhatWasThere()
    {
        const std::pair<QStringList, QString> cases[] = {  // the files chosen, none: cancelled; a part of the message
            {{}, ""}, {{"a.txt", "b.txt"}, "2 files were chosen"}, {{"nowhere/results.txt"}, "nowhere"}};
        for (const auto &[chosen, message] : cases) {
            WindowFixture fixture;
            fixture.start();
            const auto entries = [] { return QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); };
            writeFile(QStringLiteral("results.txt"), "earlier results");
            const QStringList before = entries();
            if (!chosen.isEmpty())
                fixture.fakes.files.answer(QStringList{fixture.folder.filePath(chosen.first())} + chosen.mid(1));
            fixture.trigger(QStringLiteral("Save Results to File"));
            QCOMPARE(fixture.fakes.files.requests.size(), 1);
            QVERIFY2(fixture.messages().contains(message), qPrintable(fixture.messages()));
            QCOMPARE(fixture.messages().section(u':', 0, 0), message.isEmpty() ? "" : "Nocturo (warning)");
            QCOMPARE(entries(), before);
            QCOMPARE(fileBytes(QStringLiteral("results.txt")), QByteArray("earlier results"));
        }
    }

    // The list exported in the grid's order: the format the filter chosen names, else the file's
    // extension; the name gets the format's extension; a Stellarium list is named by the observer,
    // and cancelling the name writes nothing.
    void exportFollowsTheGrid()
    {
        WindowFixture fixture;
        fixture.start();
        fixture.clickHeading(9);
        const QString stellariumFilter = "Stellarium observing lists (*.sol)";
        fixture.fakes.files.answer({fixture.folder.filePath("tonight")}, stellariumFilter);
        fixture.fakes.messages.answers.enqueue("Messier night");
        fixture.fakes.files.answer({fixture.folder.filePath("tonight.csv")});
        fixture.fakes.files.answer({fixture.folder.filePath("cancelled")}, stellariumFilter);
        fixture.fakes.messages.answers.enqueue(std::nullopt);
        for (int time = 0; time < 3; ++time)
            fixture.trigger(QStringLiteral("Export List As..."));

        const FileRequest &request = fixture.fakes.files.requests.first();
        QCOMPARE(request.presetName, "Nocturo 2006-03-15.skylist");
        QCOMPARE(request.nameFilters.size(), 4);
        QCOMPARE(request.nameFilters.at(1), stellariumFilter);
        QCOMPARE(fixture.fakes.messages.asked, QStringList(2, "The list's name in Stellarium: [Nocturo 2006-03-15]"));
        QCOMPARE(fixture.messages(), "");
        QVERIFY(!QFile::exists("cancelled") && !QFile::exists("cancelled.sol"));
        QCOMPARE(fixture.status().section(". ", -1), QStringLiteral("List exported to \"%1\".")
                                                          .arg(QDir::toNativeSeparators(fixture.folder.filePath("tonight.csv"))));

        const QJsonObject document = QJsonDocument::fromJson(fileBytes("tonight.sol")).object();
        const QJsonObject list = document["observingLists"][document["defaultListOlud"].toString()].toObject();
        QCOMPARE(list["name"], "Messier night");
        QStringList designations;
        for (const QJsonValue &object : list["objects"].toArray())
            designations << object["designation"].toString();
        QCOMPARE(designations, fixture.column(0));
        const QStringList csvLines = QString::fromUtf8(fileBytes("tonight.csv")).split("\r\n", Qt::SkipEmptyParts);
        QVERIFY(csvLines.first().startsWith("Identifier,Messier,Type,"));
        QStringList identifiers;
        for (const QString &line : csvLines.mid(1))
            identifiers << line.section(u',', 0, 0);
        QCOMPARE(identifiers, fixture.column(0));
    }
};

QTEST_MAIN(TestResultsFile)
#include "test_resultsfile.moc"
