#include "ui/grid/gridsortkey.h"

#include <QTest>

// The grid's generic comparison, through the order it gives a column of cell texts
// ("|" separates the cells in the rows below).
class TestGridSortKey : public QObject {
    Q_OBJECT

private slots:
    void sortOrder_data();
    void sortOrder();
};

void TestGridSortKey::sortOrder_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("descending");
    QTest::addColumn<QString>("texts");
    QTest::addColumn<QString>("expected");

    QTest::newRow("by value") << "C" << false << "10.5|9.5|100" << "9.5|10.5|100";
    QTest::newRow("negatives") << "C" << false << "-3.50|2.00|-12.25" << "-12.25|-3.50|2.00";
    QTest::newRow("grouped") << "en_US" << false << "1,234.00|999.00" << "999.00|1,234.00";
    QTest::newRow("RA") << "C" << false << "5 35.2|12 30.8|0 42.7" << "0 42.7|12 30.8|5 35.2";
    // nan and inf compare with nothing as numbers; empty and blank-padded cells are edges too.
    QTest::newRow("numbers first") << "C" << false << "oc|7.5||nan|gx| 12 |inf|-1"
                                   << "-1|7.5| 12 ||gx|inf|nan|oc";
    QTest::newRow("case ignored") << "C" << false << "Cas|ori|boo|And" << "And|boo|Cas|ori";
    QTest::newRow("stable") << "C" << false << "Ori|2.50|and|1|ORI|2.5|AND|1.00"
                            << "1|1.00|2.50|2.5|and|AND|Ori|ORI";
    QTest::newRow("stable, desc.") << "C" << true << "Ori|2.50|and|1|ORI|2.5|AND|1.00"
                                   << "Ori|ORI|and|AND|2.50|2.5|1|1.00";
    QTest::newRow("German") << "de_DE" << false << "10,5|-3,50|9,5" << "-3,50|9,5|10,5";
}

void TestGridSortKey::sortOrder()
{
    QFETCH(QString, locale);
    QFETCH(bool, descending);
    QFETCH(QString, texts);

    const QStringList cells = texts.split(u'|');
    QList<GridSortKey> keys;
    for (const QString &cell : cells)
        keys.append(GridSortKey(cell, QLocale(locale)));
    QStringList sorted;
    for (const qsizetype position :
         stableSortOrder(keys, descending ? Qt::DescendingOrder : Qt::AscendingOrder))
        sorted.append(cells[position]);
    QTEST(sorted.join(u'|'), "expected");
}

QTEST_APPLESS_MAIN(TestGridSortKey)
#include "test_gridsortkey.moc"
