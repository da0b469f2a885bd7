#include "formats/observinglistfile.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <QTest>

// Observing lists as SkySafari, Stellarium, Cartes du Ciel, spreadsheets and observers write
// them, read into their entries.

namespace {

// "line:name/name" for each entry, then "title: ..." where the list has a title and
// "title?" where its first entry may be one.
QStringList entriesOf(const ImportedList &list)
{
    QStringList shown;
    for (const ListEntry &entry : list.entries)
        shown << QStringLiteral("%1:%2").arg(entry.line).arg(entry.names.join(u'/'));
    if (!list.title.isEmpty())
        shown << "title: " + list.title;
    if (list.firstEntryMayBeTitle)
        shown << "title?";
    return shown;
}

// A Cartes du Ciel line: the name, RA and Dec in their columns, the catalog's name and a note.
QString cdcLine(const QString &name, const QString &ra, const QString &dec, const QString &catalogName)
{
    return name.leftJustified(32) + ra.rightJustified(10) + dec.rightJustified(10) + catalogName.leftJustified(32)
        + "Galaxy mag 3.4";
}

}  // namespace

class TestFormatsListImport : public QObject {
    Q_OBJECT

private slots:
    void readsEachProgramsList_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QStringList>("entries");

        QTest::newRow("SkySafari 3, indented, CR LF")
            << "SkySafariObservingListVersion=3.0\r\nSkyObject=BeginObject\r\n\tObjectID=4,-1,-1\r\n"
               "\tCommonName=Andromeda Galaxy\r\n\tCatalogNumber=M 31\r\n\tCatalogNumber=NGC 224\r\n"
               "EndObject=SkyObject\r\nSkyObject=BeginObject\r\n  CatalogNumber=NGC 7000\r\nEndObject=SkyObject\r\n"
            << "skylist" << QStringList{"2:M 31/NGC 224/Andromeda Galaxy", "8:NGC 7000"};
        QTest::newRow("SkySafari 2 ending, no end to the last block, any extension")
            << "SkySafariObservingListVersion=2.0\nSkyObject=BeginObject\nCommonName=Orion Nebula\nSkyObject=EndObject\n"
               "SkyObject=BeginObject\nCatalogNumber=IC 434\nCatalogNumber=IC 434\n"
            << "txt" << QStringList{"2:Orion Nebula", "5:IC 434"};
        QTest::newRow("Stellarium 2.x: the default list, keys in any case")
            << "{\n \"DefaultListOlud\": \"{b}\",\n \"ObservingLists\": {\n"
               "  \"{a}\": {\"name\": \"Other\", \"objects\": [{\"designation\": \"M 1\"}]},\n"
               "  \"{b}\": {\"Name\": \"Autumn\", \"Objects\": [\n"
               "    {\"Designation\": \"M31\", \"NAME\": \"Andromeda Galaxy\"},\n"
               "    {\"designation\": \"\", \"name\": \"Double Cluster\"},\n    {\"ra\": \"0h42m44s\"}\n  ]}\n }\n}\n"
            << "sol" << QStringList{"6:M31/Andromeda Galaxy", "7:Double Cluster", "7:", "title: Autumn"};
        QTest::newRow("Stellarium 2.x without a default: every list")
            << "{\"observingLists\": {\"{a}\": {\"name\": \"A\", \"objects\": [{\"designation\": \"M 1\"}]},\n"
               "\"{b}\": {\"name\": \"B\", \"objects\": [{\"designation\": \"M 2\"}]}}}"
            << "json" << QStringList{"1:M 1", "2:M 2", "title: A"};
        QTest::newRow("Stellarium 1.0: objects at the top")
            << "{\r\n\"version\": \"1.0\",\r\n\"OBJECTS\": [\r\n{\"designation\": \"NGC 7000\", \"nameI18n\": \"North America\"},\r\n"
               "{\"Designation\": \"NGC 6992\"}]}"
            << "sol" << QStringList{"4:NGC 7000/North America", "5:NGC 6992"};
        QTest::newRow("Cartes du Ciel with positions")
            << "Autumn galaxies\r\n" + cdcLine("M 31 Andromeda", "10.68470", "41.26900", "M31") + "\r\n\r\n"
                   + cdcLine("NGC 891", "35.63917", "42.34917", "NGC891") + "\r\n" + cdcLine("My comet", "1.5", "-2.25", "")
                   + "\r\n"
            << "txt" << QStringList{"2:M 31 Andromeda/M31", "4:NGC 891/NGC891", "5:My comet", "title: Autumn galaxies"};
        QTest::newRow("Cartes du Ciel without positions: names under a title")
            << "Messier marathon\nM 1\nM 2\n" << "txt" << QStringList{"1:Messier marathon", "2:M 1", "3:M 2", "title?"};
        QTest::newRow("plain names, blank lines, comments, CR LF, CR and LF")
            << "  M 31  \r\n\r\nNGC 224\rM42\n# seen in 2019\n\n\tIC 434\n" << "txt"
            << QStringList{"1:M 31", "3:NGC 224", "4:M42", "7:IC 434", "title?"};
        QTest::newRow("CSV: Name, a quoted comma and a quoted line end")
            << "Name,Notes\r\nM 31,\"big, bright\"\r\nNGC 7000,\"first line\r\nsecond line\"\r\n\r\n\"NGC 6992\",\"say \"\"veil\"\"\"\r\n"
            << "csv" << QStringList{"2:M 31", "3:NGC 7000", "6:NGC 6992"};
        QTest::newRow("CSV: identifier before name, in any case")
            << "name,IDENTIFIER,mag\nAndromeda Galaxy,NGC 224,3.4\n,NGC 891,10\nWhirlpool,,8.4\n" << "csv"
            << QStringList{"2:NGC 224/Andromeda Galaxy", "3:NGC 891", "4:Whirlpool"};
        QTest::newRow("CSV: Designation, semicolons, no extension needed")
            << "RA;Designation;Mag\n0,7;M 31;3,4\n5,6;M 42;4,0\n" << "txt" << QStringList{"2:M 31", "3:M 42"};
        QTest::newRow("CSV: Object, tabs, a row without a name")
            << " Object \tType\nM 57\tPN\n\tGalaxy\n" << "csv" << QStringList{"2:M 57", "3:"};
    }

    void readsEachProgramsList()
    {
        QFETCH(QString, text);
        QFETCH(QString, suffix);
        const Result<ImportedList> list = readObservingList(text, suffix);
        QVERIFY2(list.ok(), qPrintable(list.ok() ? QString() : problemText(list.problem())));
        QFETCH(QStringList, entries);
        QCOMPARE(entriesOf(list.value()), entries);
    }

    // A list that cannot be read is a problem with its line where there is one.
    void refusesWhatIsNoList()
    {
        const std::tuple<QString, QString, int, QString> cases[] = {
            {"{\n\"objects\": [\n{\"designation\" \"M 1\"}]}", "sol", 3, "is not JSON"},
            {"{\"version\": \"2.1\", \"lists\": {}}", "sol", 0, "no \"observingLists\" or \"objects\""},
            {"Messier,NGC\n1,1952\n", "csv", 1, "names no column Name, Identifier, Designation or Object"},
            {"", "csv", 1, "names no column"}};
        for (const auto &[text, suffix, line, problem] : cases) {
            const Result<ImportedList> list = readObservingList(text, suffix);
            QVERIFY2(!list.ok(), qPrintable(text));
            QCOMPARE(list.problem().line, line);
            QVERIFY2(list.problem().what.contains(problem), qPrintable(list.problem().what));
        }
    }

    // A file is decoded as every text file is (Latin-1 where it is not UTF-8); a problem names it.
    void readsFiles()
    {
        const QTemporaryDir folder;
        const Result<ImportedList> latin1 = readObservingListFile(writeFile(folder.filePath("list.txt"), "Caf\xe9\nM 1\n"));
        QCOMPARE(entriesOf(latin1.value()), (QStringList{"1:Caf\u00e9", "2:M 1", "title?"}));
        const Result<ImportedList> spreadsheet = readObservingListFile(writeFile(folder.filePath("list.csv"), "\xef\xbb\xbfName\r\nM 1\r\n"));
        QCOMPARE(entriesOf(spreadsheet.value()), QStringList{"2:M 1"});
        const Result<ImportedList> broken = readObservingListFile(writeFile(folder.filePath("list.sol"), "{"));
        QCOMPARE(broken.problem().file, QString("list.sol"));
        QVERIFY(!readObservingListFile(folder.filePath("absent.skylist")).ok());
    }
};

QTEST_GUILESS_MAIN(TestFormatsListImport)
#include "test_formats_listimport.moc"
