#include "ui/grid/gridsortkey.h"

#include <QTest>

// The grid's generic comparison, through the order it gives a column of cell texts.
class TestGridSortKey : public QObject {
    Q_OBJECT

private slots:
    void sortOrder_data();
    void sortOrder();
    void readsAsNumber_data();
    void readsAsNumber();
};

namespace {

QStringList sortedTexts(const QStringList &texts, const QLocale &locale, Qt::SortOrder order)
{
    QList<GridSortKey> keys;
    for (const QString &text : texts)
        keys.append(GridSortKey(text, locale));
    QStringList sorted;
    for (const qsizetype position : stableSortOrder(keys, order))
        sorted.append(texts[position]);
    return sorted;
}

const QLocale English(QLocale::English, QLocale::UnitedStates);
const QLocale German(QLocale::German, QLocale::Germany);

}  // namespace

void TestGridSortKey::sortOrder_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("expected");

    const auto ascending = Qt::AscendingOrder;
    const auto descending = Qt::DescendingOrder;

    // As text "10.5" would come before "9.5".
    QTest::newRow("numbers by value") << QLocale::c() << ascending
                                      << QStringList{"10.5", "9.5", "100"}
                                      << QStringList{"9.5", "10.5", "100"};
    QTest::newRow("numbers by value, descending")
        << QLocale::c() << descending << QStringList{"9.5", "100", "10.5"}
        << QStringList{"100", "10.5", "9.5"};
    QTest::newRow("negative numbers") << QLocale::c() << ascending
                                      << QStringList{"-3.50", "2.00", "-12.25", "0.00"}
                                      << QStringList{"-12.25", "-3.50", "0.00", "2.00"};
    QTest::newRow("grouped thousands") << English << ascending
                                       << QStringList{"1,234.00", "999.00"}
                                       << QStringList{"999.00", "1,234.00"};
    QTest::newRow("blanks around a number") << QLocale::c() << ascending
                                            << QStringList{" 12 ", "3 "}
                                            << QStringList{"3 ", " 12 "};
    // Right ascension "hours minutes": two numbers, which as a whole is a text.
    QTest::newRow("RA as text") << QLocale::c() << ascending
                                << QStringList{"5 35.2", "12 30.8", "0 42.7"}
                                << QStringList{"0 42.7", "12 30.8", "5 35.2"};
    QTest::newRow("numbers before text") << QLocale::c() << ascending
                                         << QStringList{"oc", "7.5", "gx", "-1"}
                                         << QStringList{"-1", "7.5", "gx", "oc"};
    QTest::newRow("numbers before text, descending is the reverse")
        << QLocale::c() << descending << QStringList{"oc", "7.5", "gx", "-1"}
        << QStringList{"oc", "gx", "7.5", "-1"};
    QTest::newRow("an empty cell is text") << QLocale::c() << ascending
                                           << QStringList{"Tau", "", "3"}
                                           << QStringList{"3", "", "Tau"};
    // "nan" and "inf" have no place in an order of values: nothing compares less or more than
    // "nan". As texts they sort after the numbers like any word.
    QTest::newRow("nan and inf are text") << QLocale::c() << ascending
                                          << QStringList{"nan", "2", "inf", "1"}
                                          << QStringList{"1", "2", "inf", "nan"};
    QTest::newRow("text ignores case") << QLocale::c() << ascending
                                       << QStringList{"ori", "And", "cas", "Boo"}
                                       << QStringList{"And", "Boo", "cas", "ori"};
    QTest::newRow("equal keys keep their order")
        << QLocale::c() << ascending << QStringList{"Ori", "and", "ORI", "AND", "ori"}
        << QStringList{"and", "AND", "Ori", "ORI", "ori"};
    QTest::newRow("equal keys keep their order, descending")
        << QLocale::c() << descending << QStringList{"Ori", "and", "ORI", "AND", "ori"}
        << QStringList{"Ori", "ORI", "ori", "and", "AND"};
    QTest::newRow("equal values keep their order")
        << QLocale::c() << ascending << QStringList{"2.50", "1", "2.5", "1.00"}
        << QStringList{"1", "1.00", "2.50", "2.5"};
    QTest::newRow("equal values keep their order, descending")
        << QLocale::c() << descending << QStringList{"2.50", "1", "2.5", "1.00"}
        << QStringList{"2.50", "2.5", "1", "1.00"};
    QTest::newRow("German decimal comma") << German << ascending
                                          << QStringList{"10,5", "-3,50", "9,5"}
                                          << QStringList{"-3,50", "9,5", "10,5"};
    QTest::newRow("German grouped thousands") << German << ascending
                                              << QStringList{"1.234,00", "999,00"}
                                              << QStringList{"999,00", "1.234,00"};
}

void TestGridSortKey::sortOrder()
{
    QFETCH(QLocale, locale);
    QFETCH(Qt::SortOrder, order);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, expected);

    QCOMPARE(sortedTexts(texts, locale, order), expected);
}

void TestGridSortKey::readsAsNumber_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");

    QTest::newRow("C point") << QLocale::c() << "-3.50" << true;
    QTest::newRow("C grouped") << QLocale::c() << "1,234.00" << true;
    QTest::newRow("C comma decimal") << QLocale::c() << "-3,50" << false;
    QTest::newRow("German comma") << German << "-3,50" << true;
    QTest::newRow("German grouped") << German << "1.234,00" << true;
    QTest::newRow("RA") << QLocale::c() << "5 35.2" << false;
    QTest::newRow("Dec") << QLocale::c() << "-5 23" << false;
    QTest::newRow("Messier number") << QLocale::c() << "M42" << false;
    QTest::newRow("empty") << QLocale::c() << "" << false;
    QTest::newRow("not a number") << QLocale::c() << "nan" << false;
    QTest::newRow("infinity") << QLocale::c() << "inf" << false;
}

void TestGridSortKey::readsAsNumber()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(bool, isNumber);

    QCOMPARE(GridSortKey(text, locale).isNumber(), isNumber);
}

QTEST_APPLESS_MAIN(TestGridSortKey)
#include "test_gridsortkey.moc"
