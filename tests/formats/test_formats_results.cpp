#include "formats/catalogloader.h"
#include "formats/resultstext.h"
#include "plan/session.h"
#include "workedsession.h"

#include <QTest>

// The list as tab-separated text, as Copy, Save and the command line write it: the headings, then
// one line a row in the order given, every line ended by CR LF, numbers in the locale's form.

class TestFormatsResults : public QObject {
    Q_OBJECT

private slots:
    void resultsText()
    {
        // The worked objects as catalog lines, under the worked session read in each locale.
        const Result<Catalog> catalog = loadCatalogLines({"Identifier,M,RA,Dec,Size,Mag,Type,Constellation,Comment",
                                                          "first,,5 35.2,-5 23.4,10x5,8,Nebula,Ori,kept only",
                                                          "second,31,0 42.7,+41 16.2,10x5,8,Galaxy,And,",
                                                          "third,13,16 41.68,+36 27.6,10x5,8,Globular Cluster,Her,"});
        QVERIFY(catalog.ok());
        const QLocale german(QLocale::German, QLocale::Germany);
        const ObservingList c = generateList(readSession(workedSessionTexts(), QLocale::c()).value(), catalog.value(), nullptr);
        const ObservingList de = generateList(readSession(workedSessionTexts(), german).value(), catalog.value(), nullptr);
        const QString headings =
            "Identifier\tMessier\tType\tSize\tAltitude\tAzimuth\tRA\tDEC\thrs to Transit\tMagnitude\tConstellation\r\n";
        QCOMPARE(::resultsText(c, listOrder(c), LocaleNumbers(QLocale::c())),
                 headings + "third\t13\tglobular cluster\t10\t3.91\t41.42\t16 41.7\t36 28\t8.32\t8\tHer\r\n"
                            "second\t31\tgalaxy\t10\t12.57\t315.69\t0 42.7\t41 16\t-7.66\t8\tAnd\r\n"
                            "first\t\tnebula\t10\t28.67\t229.10\t5 35.2\t-6 37\t-2.78\t8\tOri\r\n");
        QCOMPARE(::resultsText(de, sortedRows(de, int(ListColumn::Identifier), Qt::AscendingOrder), LocaleNumbers(german)),
                 headings + "first\t\tnebula\t10\t28,67\t229,10\t5 35,2\t-6 37\t-2,78\t8\tOri\r\n"
                            "second\t31\tgalaxy\t10\t12,57\t315,69\t0 42,7\t41 16\t-7,66\t8\tAnd\r\n"
                            "third\t13\tglobular cluster\t10\t3,91\t41,42\t16 41,7\t36 28\t8,32\t8\tHer\r\n");
        QCOMPARE(::resultsText(c, {}, LocaleNumbers(QLocale::c())), headings);
    }
};

QTEST_APPLESS_MAIN(TestFormatsResults)
#include "test_formats_results.moc"
