#include "ui/location/citiesfile.h"

#include <QTest>

// Reading whole files is tested through the chooser's table.
class TestCitiesFile : public QObject {
    Q_OBJECT

private slots:
    void splitsPlaceLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("row");  // the grid's TAB-separated cells; empty: no place
        QTest::newRow("blanks around commas")
            << " Bend ,  OR  , 44.0582 ,  -121.3153  " << "Bend,OR\t44.0582\t-121.3153";
        QTest::newRow("five fields")
            << "Bend,OR,44.0582, -121.3153 , x " << "Bend,OR\t44.0582\t-121.3153 , x";
        QTest::newRow("empty fields") << ",,," << ",\t\t";
        QTest::newRow("TAB is no blank") << "Tab\t,XX,1,2" << "Tab\t,XX\t1\t2";
        QTest::newRow("two commas") << "Tucson,AZ,32.2217" << "";
        QTest::newRow("empty line") << "" << "";
    }

    void splitsPlaceLine()
    {
        QFETCH(QString, line);
        QFETCH(QString, row);
        const std::optional<PlaceFields> place = splitPlaceLine(line);
        QCOMPARE(place ? cityRowText(*place) : QString(), row);
    }
};

QTEST_GUILESS_MAIN(TestCitiesFile)
#include "test_citiesfile.moc"
