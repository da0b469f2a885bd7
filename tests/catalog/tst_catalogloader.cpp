#include "catalog/catalogloader.h"
#include "catalogfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestCatalogLoader : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void headerOnlyLoadsNoObjects_data();
    void headerOnlyLoadsNoObjects();
    void emptyFileFails();
    void missingFileNamesItsFolder();
    void relativePathResolvesInTheCurrentDirectory();
    void lineEndsGiveTheSameCatalog_data();
    void lineEndsGiveTheSameCatalog();
    void lineEndsAtTheEnd_data();
    void lineEndsAtTheEnd();
    void tableHolds501Objects_data();
    void tableHolds501Objects();
    void failurePartWayKeepsTheObjectsRead();
    void shorterLoadLeavesOldSlotsAboveTheCount();
    void listFieldsOfTheSlotsAreLeftAlone();
    void commentEncodings_data();
    void commentEncodings();
    void shippedCatalogLoadsWhole();

private:
    QString pathOf(const QString &fileName) const { return folder->filePath(fileName); }
    CatalogLoadResult loadBytes(const QByteArray &bytes);

    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<CatalogTable> catalog;
    qint16 catalogCount = -1;
    QString currentDirBefore;
};

void TestCatalogLoader::init()
{
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(folder->isValid());
    catalog = std::make_unique<CatalogTable>();
    catalogCount = -1;
    currentDirBefore = QDir::currentPath();
}

void TestCatalogLoader::cleanup()
{
    QDir::setCurrent(currentDirBefore);
}

CatalogLoadResult TestCatalogLoader::loadBytes(const QByteArray &bytes)
{
    const QString path = pathOf(QStringLiteral("catalog.csv"));
    if (!writeBytes(path, bytes))
        qFatal("could not write %s", qPrintable(path));
    return loadCatalogFile(path, *catalog, catalogCount);
}

void TestCatalogLoader::headerOnlyLoadsNoObjects_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("header with line end") << QByteArray("Identifier,M,RA\r\n");
    QTest::newRow("header without line end") << QByteArray("Identifier,M,RA");
    QTest::newRow("empty header line") << QByteArray("\r\n");
}

void TestCatalogLoader::headerOnlyLoadsNoObjects()
{
    QFETCH(QByteArray, bytes);

    const CatalogLoadResult result = loadBytes(bytes);

    QVERIFY2(result.ok(), qPrintable(result.problem));
    QCOMPARE(catalogCount, qint16(0));
}

void TestCatalogLoader::emptyFileFails()
{
    const CatalogLoadResult result = loadBytes({});

    QVERIFY(!result.ok());
    QCOMPARE(result.lineNumber, 1);
    QCOMPARE(result.problem, QStringLiteral("no header line, the file is empty"));
    QCOMPARE(catalogCount, qint16(0));
}

void TestCatalogLoader::missingFileNamesItsFolder()
{
    const CatalogLoadResult result =
        loadCatalogFile(pathOf(QStringLiteral("absent.csv")), *catalog, catalogCount);

    QVERIFY(!result.ok());
    QCOMPARE(result.lineNumber, 0);
    QVERIFY2(result.problem.contains(QStringLiteral("absent.csv")), qPrintable(result.problem));
    QVERIFY2(result.problem.contains(QDir::toNativeSeparators(folder->path())),
             qPrintable(result.problem));
    QCOMPARE(catalogCount, qint16(0));
}

void TestCatalogLoader::relativePathResolvesInTheCurrentDirectory()
{
    QVERIFY(writeBytes(pathOf(DefaultCatalogFile), catalogBytes(QStringLiteral("Here"), 2)));
    QVERIFY(QDir::setCurrent(folder->path()));

    const CatalogLoadResult result = loadCatalogFile(DefaultCatalogFile, *catalog, catalogCount);

    QVERIFY2(result.ok(), qPrintable(result.problem));
    QCOMPARE(catalogCount, qint16(2));
    QCOMPARE(catalog->at(1).Identifier, QStringLiteral("Here 2"));
}

void TestCatalogLoader::lineEndsGiveTheSameCatalog_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("CR LF") << catalogBytes(QStringLiteral("NGC"), 3, "\r\n");
    QTest::newRow("LF") << catalogBytes(QStringLiteral("NGC"), 3, "\n");
    QTest::newRow("CR") << catalogBytes(QStringLiteral("NGC"), 3, "\r");
    QTest::newRow("mixed") << QByteArray(catalogHeader().toUtf8() + "\n"
                                         + objectLine(QStringLiteral("NGC"), 1).toUtf8() + "\r"
                                         + objectLine(QStringLiteral("NGC"), 2).toUtf8() + "\r\n"
                                         + objectLine(QStringLiteral("NGC"), 3).toUtf8());
}

void TestCatalogLoader::lineEndsGiveTheSameCatalog()
{
    QFETCH(QByteArray, bytes);

    const CatalogLoadResult result = loadBytes(bytes);

    QVERIFY2(result.ok(), qPrintable(result.problem));
    QCOMPARE(catalogCount, qint16(3));
    for (int n = 1; n <= 3; ++n) {
        const CatalogObject &object = catalog->at(n - 1);
        QCOMPARE(object.Identifier, QStringLiteral("NGC %1").arg(n));
        QCOMPARE(object.RA, (n + 0.5) * 15.0);
        QCOMPARE(object.Comment, QStringLiteral("no. %1").arg(n));
    }
}

void TestCatalogLoader::lineEndsAtTheEnd_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("failingLine");  // 0 when the file loads
    QTest::addColumn<int>("expectedCount");

    const QString header = catalogHeader();
    const QString first = objectLine(QStringLiteral("NGC"), 1);
    const QString second = objectLine(QStringLiteral("NGC"), 2);
    const auto file = [&](const char *lineEnd, const QStringList &lines, const char *ending) {
        return QByteArray(lines.join(QLatin1String(lineEnd)).toUtf8() + ending);
    };

    QTest::newRow("single final CR LF") << file("\r\n", {header, first, second}, "\r\n") << 0 << 2;
    QTest::newRow("single final LF") << file("\n", {header, first, second}, "\n") << 0 << 2;
    QTest::newRow("single final CR") << file("\r", {header, first, second}, "\r") << 0 << 2;
    QTest::newRow("no final line end") << file("\r\n", {header, first, second}, "") << 0 << 2;
    QTest::newRow("empty last line, CR LF")
        << file("\r\n", {header, first, second}, "\r\n\r\n") << 4 << 2;
    QTest::newRow("empty last line, LF") << file("\n", {header, first, second}, "\n\n") << 4 << 2;
    QTest::newRow("empty last line, CR") << file("\r", {header, first, second}, "\r\r") << 4 << 2;
    QTest::newRow("empty line in the middle")
        << file("\r\n", {header, first, QString(), second}, "\r\n") << 3 << 1;
}

void TestCatalogLoader::lineEndsAtTheEnd()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, failingLine);
    QFETCH(int, expectedCount);

    const CatalogLoadResult result = loadBytes(bytes);

    QCOMPARE(result.ok(), failingLine == 0);
    QCOMPARE(result.lineNumber, failingLine);
    if (failingLine != 0)
        QCOMPARE(result.problem, QStringLiteral("the line is empty"));
    QCOMPARE(int(catalogCount), expectedCount);
}

void TestCatalogLoader::tableHolds501Objects_data()
{
    QTest::addColumn<int>("objectCount");
    QTest::addColumn<bool>("loads");
    QTest::addColumn<int>("expectedCount");

    QTest::newRow("500 objects") << 500 << true << 500;
    QTest::newRow("501 objects") << 501 << true << 501;
    QTest::newRow("502 objects") << 502 << false << 501;
}

void TestCatalogLoader::tableHolds501Objects()
{
    QFETCH(int, objectCount);
    QFETCH(bool, loads);
    QFETCH(int, expectedCount);

    const CatalogLoadResult result = loadBytes(catalogBytes(QStringLiteral("NGC"), objectCount));

    QCOMPARE(result.ok(), loads);
    QCOMPARE(int(catalogCount), expectedCount);
    QCOMPARE(catalog->at(expectedCount - 1).Identifier, QStringLiteral("NGC %1").arg(expectedCount));
    if (!loads) {
        QCOMPARE(result.lineNumber, 1 + 502);
        QCOMPARE(result.problem, QStringLiteral("more than 501 objects"));
    }
}

void TestCatalogLoader::failurePartWayKeepsTheObjectsRead()
{
    const QString header = catalogHeader();
    QStringList lines = {header};
    for (int n = 1; n <= 3; ++n)
        lines << objectLine(QStringLiteral("NGC"), n);
    lines << QStringLiteral("NGC 4, 5 30.0,+10 00,5x3,9.0,Galaxy,Leo,blank before the hours")
          << objectLine(QStringLiteral("NGC"), 5);

    const CatalogLoadResult result = loadBytes(lines.join(QStringLiteral("\r\n")).toUtf8());

    QVERIFY(!result.ok());
    QCOMPARE(result.lineNumber, 5);
    QCOMPARE(catalogCount, qint16(3));
    QCOMPARE(catalog->at(2).Identifier, QStringLiteral("NGC 3"));
    QVERIFY(catalog->at(3).Identifier.isEmpty());
}

void TestCatalogLoader::shorterLoadLeavesOldSlotsAboveTheCount()
{
    QVERIFY(loadBytes(catalogBytes(QStringLiteral("Long"), 100)).ok());
    QCOMPARE(catalogCount, qint16(100));

    const CatalogLoadResult result = loadBytes(catalogBytes(QStringLiteral("Short"), 50));

    QVERIFY2(result.ok(), qPrintable(result.problem));
    QCOMPARE(catalogCount, qint16(50));
    QCOMPARE(catalog->at(0).Identifier, QStringLiteral("Short 1"));
    QCOMPARE(catalog->at(49).Identifier, QStringLiteral("Short 50"));
    QCOMPARE(catalog->at(50).Identifier, QStringLiteral("Long 51"));
    QCOMPARE(catalog->at(99).Identifier, QStringLiteral("Long 100"));
}

void TestCatalogLoader::listFieldsOfTheSlotsAreLeftAlone()
{
    CatalogObject &slot = catalog->at(0);
    slot.Alt = 12.5;
    slot.Az = 250.0;
    slot.HrsToTransit = -3.25;
    slot.Listed = true;

    QVERIFY(loadBytes(catalogBytes(QStringLiteral("NGC"), 1)).ok());

    QCOMPARE(slot.Identifier, QStringLiteral("NGC 1"));
    QCOMPARE(slot.Alt, 12.5);
    QCOMPARE(slot.Az, 250.0);
    QCOMPARE(slot.HrsToTransit, -3.25);
    QCOMPARE(slot.Listed, true);
}

void TestCatalogLoader::commentEncodings_data()
{
    QTest::addColumn<QByteArray>("commentBytes");

    QTest::newRow("Latin-1") << QByteArray("caf\xe9 au lait");
    QTest::newRow("UTF-8") << QByteArray("caf\xc3\xa9 au lait");
}

void TestCatalogLoader::commentEncodings()
{
    QFETCH(QByteArray, commentBytes);
    const QByteArray bytes = "Header\r\nNGC 1,,1 00.0,+10 00,5x3,9.0,Galaxy,Leo," + commentBytes
                             + "\r\n";

    const CatalogLoadResult result = loadBytes(bytes);

    QVERIFY2(result.ok(), qPrintable(result.problem));
    QCOMPARE(catalog->at(0).Comment, QStringLiteral("caf\u00e9 au lait"));
}

// The catalog that ships with the program.
void TestCatalogLoader::shippedCatalogLoadsWhole()
{
    const QString sourceDir = qEnvironmentVariable("NOCTURO_SOURCE_DIR");
    QVERIFY2(!sourceDir.isEmpty(), "NOCTURO_SOURCE_DIR is not set");

    const CatalogLoadResult result = loadCatalogFile(
        QDir(sourceDir).filePath(QStringLiteral("data/Objects.csv")), *catalog, catalogCount);

    QVERIFY2(result.ok(), qPrintable(QStringLiteral("line %1: %2")
                                         .arg(QString::number(result.lineNumber), result.problem)));
    QCOMPARE(catalogCount, qint16(CatalogSlotCount));
    for (int index = 0; index < catalogCount; ++index) {
        const CatalogObject &object = catalog->at(index);
        QVERIFY2(!object.Identifier.isEmpty(), qPrintable(QString::number(index)));
        QVERIFY2(object.RA >= 0.0 && object.RA < 360.0, qPrintable(object.Identifier));
        QVERIFY2(object.Dec >= -90.0 && object.Dec <= 90.0, qPrintable(object.Identifier));
    }
}

QTEST_GUILESS_MAIN(TestCatalogLoader)
#include "tst_catalogloader.moc"
