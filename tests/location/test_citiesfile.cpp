#include "ui/location/citiesfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestCitiesFile : public QObject {
    Q_OBJECT

private slots:
    void splitsPlaceLine_data();
    void splitsPlaceLine();
    void skipsLineWithoutThreeCommas_data();
    void skipsLineWithoutThreeCommas();
    void readsRowsInFileOrder_data();
    void readsRowsInFileOrder();
    void missingFileGivesNoRows();

private:
    QString writeFile(const QByteArray &bytes);

    QTemporaryDir m_dir;
    int m_fileCount = 0;
};

QString TestCitiesFile::writeFile(const QByteArray &bytes)
{
    const QString path = m_dir.filePath(QStringLiteral("cities%1.csv").arg(++m_fileCount));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestCitiesFile::splitsPlaceLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("lat");
    QTest::addColumn<QString>("lon");

    QTest::newRow("plain") << "Tucson,AZ,32.2217,-110.9265" << "Tucson,AZ" << "32.2217"
                           << "-110.9265";
    QTest::newRow("blanks around the commas")
        << "  Flagstaff ,  AZ  , 35.1981 ,  -111.6513  " << "Flagstaff,AZ" << "35.1981"
        << "-111.6513";
    QTest::newRow("blanks inside a field stay") << "Las Cruces,New Mexico,32.3199,-106.7637"
                                                << "Las Cruces,New Mexico" << "32.3199"
                                                << "-106.7637";
    QTest::newRow("five fields: the last two share the Lon cell")
        << "Bend,OR,44.0582,-121.3153,extra" << "Bend,OR" << "44.0582" << "-121.3153,extra";
    QTest::newRow("blanks around the fifth field's comma stay inside")
        << "Bend,OR,44.0582, -121.3153 , extra " << "Bend,OR" << "44.0582"
        << "-121.3153 , extra";
    QTest::newRow("empty fields") << ",,," << "," << "" << "";
    QTest::newRow("texts are carried, not checked") << "Nowhere,XX,north,far west"
                                                    << "Nowhere,XX" << "north" << "far west";
    QTest::newRow("a TAB is no blank") << "Tab\t,XX,1,2" << "Tab\t,XX" << "1" << "2";
}

// The grid takes the row text as TAB-separated cells, so the cells are checked through it.
void TestCitiesFile::splitsPlaceLine()
{
    QFETCH(QString, line);
    QFETCH(QString, city);
    QFETCH(QString, lat);
    QFETCH(QString, lon);

    const std::optional<PlaceFields> place = splitPlaceLine(line);
    QVERIFY(place.has_value());
    QCOMPARE(cityRowText(*place), city + u'\t' + lat + u'\t' + lon);
}

void TestCitiesFile::skipsLineWithoutThreeCommas_data()
{
    QTest::addColumn<QString>("line");

    QTest::newRow("empty line") << "";
    QTest::newRow("blanks only") << "   ";
    QTest::newRow("no comma") << "Tucson AZ 32.2217 -110.9265";
    QTest::newRow("two commas") << "Tucson,AZ,32.2217";
    QTest::newRow("two commas, a field empty") << "Tucson,,32.2217 -110.9265";
}

void TestCitiesFile::skipsLineWithoutThreeCommas()
{
    QFETCH(QString, line);

    QVERIFY(!splitPlaceLine(line).has_value());
}

void TestCitiesFile::readsRowsInFileOrder_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("rows");

    const QStringList twoCities = {QStringLiteral("Tucson,AZ\t32.2217\t-110.9265"),
                                   QStringLiteral("Bend,OR\t44.0582\t-121.3153")};

    QTest::newRow("CR LF") << QByteArray("City,Region,Latitude,Longitude\r\n"
                                         "Tucson,AZ,32.2217,-110.9265\r\n"
                                         "Bend,OR,44.0582,-121.3153\r\n")
                           << twoCities;
    QTest::newRow("LF") << QByteArray("City,Region,Latitude,Longitude\n"
                                      "Tucson,AZ,32.2217,-110.9265\n"
                                      "Bend,OR,44.0582,-121.3153\n")
                        << twoCities;
    QTest::newRow("lone CR, no end after the last line")
        << QByteArray("City,Region,Latitude,Longitude\r"
                      "Tucson,AZ,32.2217,-110.9265\r"
                      "Bend,OR,44.0582,-121.3153")
        << twoCities;
    QTest::newRow("short and empty lines skipped")
        << QByteArray("City,Region,Latitude,Longitude\r\n"
                      "\r\n"
                      "Tucson,AZ,32.2217,-110.9265\r\n"
                      "Somewhere,32.0\r\n"
                      "\r\n"
                      "Bend,OR,44.0582,-121.3153\r\n"
                      "\r\n")
        << twoCities;
    QTest::newRow("the first line is dropped even when it is a place")
        << QByteArray("Phoenix,AZ,33.4484,-112.0740\r\n"
                      "Tucson,AZ,32.2217,-110.9265\r\n"
                      "Bend,OR,44.0582,-121.3153\r\n")
        << twoCities;
    QTest::newRow("heading line only") << QByteArray("City,Region,Latitude,Longitude\r\n")
                                       << QStringList();
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("UTF-8") << QByteArray("City,Region,Latitude,Longitude\r\n"
                                         "Z\xc3\xbcrich,ZH,47.3667,8.55\r\n")
                           << QStringList{QStringLiteral(u"Zürich,ZH\t47.3667\t8.55")};
    QTest::newRow("Latin-1") << QByteArray("City,Region,Latitude,Longitude\r\n"
                                           "Z\xfcrich,ZH,47.3667,8.55\r\n")
                             << QStringList{QStringLiteral(u"Zürich,ZH\t47.3667\t8.55")};
}

void TestCitiesFile::readsRowsInFileOrder()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, rows);

    QCOMPARE(readCityRows(writeFile(bytes)), rows);
}

void TestCitiesFile::missingFileGivesNoRows()
{
    QCOMPARE(readCityRows(m_dir.filePath(QStringLiteral("no-such-cities.csv"))), QStringList());
}

QTEST_GUILESS_MAIN(TestCitiesFile)
#include "test_citiesfile.moc"
