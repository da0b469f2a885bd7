#include "catalog/catalogloader.h"
#include "catalogfiles.h"

#include <QTemporaryDir>
#include <QTest>

// The messages that name the file, the line and the problem are checked with the commands.
class TestCatalogLoader : public QObject {
    Q_OBJECT

private slots:
    void init() { catalog = {}; }
    void loads_data();
    void loads();
    void shorterLoadLeavesTheSlotsAboveItsCount();
    void latin1ByteIsKept();
    void shippedCatalogLoadsWhole();

private:
    CatalogLoadResult loadBytes(const QByteArray &bytes)
    {
        return loadCatalogFile(writeFile(folder.filePath("catalog.csv"), bytes), catalog, count);
    }

    QTemporaryDir folder;
    CatalogTable catalog;
    qint16 count = -1;
};

void TestCatalogLoader::loads_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("failingLine");  // 0 when the whole file loads
    QTest::addColumn<int>("expectedCount");

    const QByteArray three = catalogBytes("NGC", 3);
    QTest::newRow("header only") << QByteArray("Identifier,M,RA\r\n") << 0 << 0;
    QTest::newRow("empty file") << QByteArray() << 1 << 0;
    QTest::newRow("CR LF") << three << 0 << 3;
    QTest::newRow("LF") << catalogBytes("NGC", 3, "\n") << 0 << 3;
    QTest::newRow("CR") << catalogBytes("NGC", 3, "\r") << 0 << 3;
    QTest::newRow("no final line end") << three.chopped(2) << 0 << 3;
    QTest::newRow("empty last line") << three + "\r\n" << 5 << 3;
    QTest::newRow("fault part-way")
        << three + "NGC 4, 5 30.0,+10 00,5x3,9.0,Galaxy,Leo,\r\n" + objectLine("NGC", 5).toUtf8()
        << 5 << 3;
    QTest::newRow("501 objects") << catalogBytes("NGC", 501) << 0 << 501;
    QTest::newRow("502 objects") << catalogBytes("NGC", 502) << 503 << 501;
}

// The objects read before a fault stay; every line end gives the same objects.
void TestCatalogLoader::loads()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, failingLine);

    const CatalogLoadResult result = loadBytes(bytes);

    QCOMPARE(result.ok(), failingLine == 0);
    QCOMPARE(result.lineNumber, failingLine);
    QTEST(int(count), "expectedCount");
    for (int n = 1; n <= count; ++n) {
        QCOMPARE(catalog.at(n - 1).Identifier, QStringLiteral("NGC %1").arg(n));
        QCOMPARE(catalog.at(n - 1).Comment, QStringLiteral("no. %1").arg(n));
    }
}

// The list's own fields stay as well.
void TestCatalogLoader::shorterLoadLeavesTheSlotsAboveItsCount()
{
    QVERIFY(loadBytes(catalogBytes("Long", 100)).ok());
    catalog.at(0).Listed = true;

    QVERIFY(loadBytes(catalogBytes("Short", 50)).ok());

    QCOMPARE(count, qint16(50));
    QCOMPARE(catalog.at(0).Identifier, QStringLiteral("Short 1"));
    QCOMPARE(catalog.at(0).Listed, true);
    QCOMPARE(catalog.at(49).Identifier, QStringLiteral("Short 50"));
    QCOMPARE(catalog.at(50).Identifier, QStringLiteral("Long 51"));
    QCOMPARE(catalog.at(99).Identifier, QStringLiteral("Long 100"));
}

void TestCatalogLoader::latin1ByteIsKept()
{
    QVERIFY(loadBytes("Header\r\nNGC 1,,1 00.0,+10 00,5x3,9.0,Galaxy,Leo,caf\xe9 au lait").ok());
    QCOMPARE(catalog.at(0).Comment, QStringLiteral("caf\u00e9 au lait"));
}

void TestCatalogLoader::shippedCatalogLoadsWhole()
{
    const QString sourceDir = qEnvironmentVariable("NOCTURO_SOURCE_DIR");
    const CatalogLoadResult result =
        loadCatalogFile(sourceDir + QStringLiteral("/data/Objects.csv"), catalog, count);

    QVERIFY2(result.ok(), qPrintable(QStringLiteral("line %1: %2")
                                         .arg(QString::number(result.lineNumber), result.problem)));
    QCOMPARE(count, qint16(CatalogSlotCount));
}

QTEST_GUILESS_MAIN(TestCatalogLoader)
#include "tst_catalogloader.moc"
