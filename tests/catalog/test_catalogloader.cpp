#include "catalog/catalogloader.h"
#include "catalogfiles.h"

#include <QTemporaryDir>
#include <QTest>

// The messages that name the file, the line and the problem are checked with the commands.

class TestCatalogLoader : public QObject {
    Q_OBJECT

private slots:
    void init() { catalog = {}; }
    void loads_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("failingLine");  // 0 when the whole file loads
        QTest::addColumn<int>("expectedCount");

        const QByteArray three = catalogBytes("NGC", 3);
        QTest::newRow("header only") << QByteArray("Identifier,M,RA\r\n") << 0 << 0;
        QTest::newRow("empty file") << QByteArray() << 1 << 0;
        QTest::newRow("LF") << catalogBytes("NGC", 3, "\n") << 0 << 3;
        QTest::newRow("CR") << catalogBytes("NGC", 3, "\r") << 0 << 3;
        QTest::newRow("no final line end") << three.chopped(2) << 0 << 3;
        QTest::newRow("blank lines at the end") << three + "\r\n  \r\n\t\r\n" << 0 << 3;
        QTest::newRow("empty line inside") << catalogBytes("NGC", 2) + "\r\n" + objectLine("NGC", 3).toUtf8() << 4 << 2;
        QTest::newRow("fault part-way")
            << three + "NGC 4, 5 30.0,+10 00,5x3,9.0,Galaxy,Leo,\r\n" + objectLine("NGC", 5).toUtf8() << 5 << 3;
        QTest::newRow("Latin-1 byte") << QByteArray("Header\r\nNGC 1,,1 00.0,+10 00,5x3,9.0,Galaxy,Leo,no. 1 caf\xe9")
                                      << 0 << 1;
        QTest::newRow("501 objects") << catalogBytes("NGC", 501) << 0 << 501;
        QTest::newRow("502 objects") << catalogBytes("NGC", 502) << 0 << 502;
        QTest::newRow("14,000 objects") << catalogBytes("NGC", 14000) << 0 << 14000;
    }

    // The objects read before a fault stay; every line end gives the same objects.
    void loads()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, failingLine);
        QFETCH(int, expectedCount);

        const CatalogLoadResult result = loadBytes(bytes);

        QCOMPARE(result.ok(), failingLine == 0);
        QCOMPARE(result.lineNumber, failingLine);
        QCOMPARE(catalog.CatalogCount, expectedCount);
        for (int n = 1; n <= expectedCount; n += std::max(1, expectedCount / 7)) {
            QCOMPARE(catalog.Catalog.at(n - 1).Identifier, QStringLiteral("NGC %1").arg(n));
            QVERIFY(catalog.Catalog.at(n - 1).Comment.startsWith(QStringLiteral("no. %1").arg(n)));
        }
    }

    // The list's own fields stay as well, and the slots above the count keep the longer file.
    void shorterLoadLeavesTheSlotsAboveItsCount()
    {
        QVERIFY(loadBytes(catalogBytes("Long", 100)).ok());
        catalog.Catalog.at(0).Listed = true;

        QVERIFY(loadBytes(catalogBytes("Short", 50)).ok());

        QCOMPARE(catalog.CatalogCount, 50);
        QCOMPARE(catalog.loaded().size(), 50u);
        QCOMPARE(catalog.Catalog.at(0).Identifier, QStringLiteral("Short 1"));
        QCOMPARE(catalog.Catalog.at(0).Listed, true);
        QCOMPARE(catalog.Catalog.at(50).Identifier, QStringLiteral("Long 51"));
        QCOMPARE(catalog.Catalog.size(), 100u);
    }

    void shippedCatalogLoadsWhole()
    {
        const QString sourceDir = qEnvironmentVariable("NOCTURO_SOURCE_DIR");
        const CatalogLoadResult result = loadCatalogFile(sourceDir + QStringLiteral("/data/Objects.csv"), catalog);

        QVERIFY2(result.ok(), qPrintable(QStringLiteral("line %1: %2").arg(result.lineNumber).arg(result.problem)));
        QCOMPARE(catalog.CatalogCount, 501);
    }

private:
    CatalogLoadResult loadBytes(const QByteArray &bytes)
    {
        return loadCatalogFile(writeFile(folder.filePath("catalog.csv"), bytes), catalog);
    }

    QTemporaryDir folder;
    ObjectCatalog catalog;
};

QTEST_GUILESS_MAIN(TestCatalogLoader)
#include "test_catalogloader.moc"
