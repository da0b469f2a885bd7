#include "catalog/catalogcoordinates.h"
#include "catalog/catalogline.h"

#include <QLocale>
#include <QTest>

#include <cmath>

namespace {

// The arc-minute fractions of the catalog are not exact in binary.
constexpr double ToleranceDeg = 1e-4;

bool closeTo(double actual, double expected)
{
    return std::abs(actual - expected) < ToleranceDeg;
}

// Andromeda Galaxy: 0h 42.7m, +41° 16', 178' x 63', magnitude 3.4.
const QString M31Line =
    QStringLiteral("NGC 224,31,0 42.7,+41 16,178x63,3.4,Galaxy,Andromeda,Great spiral");

// M31Line with its right ascension and declination replaced.
QString lineAt(const QString &raText, const QString &decText)
{
    return QStringLiteral("NGC 224,31,%1,%2,178x63,3.4,Galaxy,Andromeda,Great spiral")
        .arg(raText, decText);
}

}  // namespace

class TestCatalogLine : public QObject {
    Q_OBJECT

private slots:
    void raToDegreesConverts_data();
    void raToDegreesConverts();
    void decToDegreesConverts_data();
    void decToDegreesConverts();

    void readsTextFields_data();
    void readsTextFields();
    void readsCoordinates_data();
    void readsCoordinates();
    void numbersIgnoreTheObserversLocale();
    void leavesListFieldsAtTheirDefaults();
    void reportsWhatIsWrong_data();
    void reportsWhatIsWrong();
};

void TestCatalogLine::raToDegreesConverts_data()
{
    QTest::addColumn<int>("hours");
    QTest::addColumn<double>("minutes");
    QTest::addColumn<double>("expectedDeg");

    QTest::newRow("12h 30.0m") << 12 << 30.0 << 187.5;
    QTest::newRow("0h 0.0m") << 0 << 0.0 << 0.0;
    QTest::newRow("6h 0.0m") << 6 << 0.0 << 90.0;
    QTest::newRow("23h 59.0m") << 23 << 59.0 << 359.75;
    QTest::newRow("0h 42.7m") << 0 << 42.7 << 10.675;
}

void TestCatalogLine::raToDegreesConverts()
{
    QFETCH(int, hours);
    QFETCH(double, minutes);
    QFETCH(double, expectedDeg);

    QVERIFY2(closeTo(raToDegrees(hours, minutes), expectedDeg),
             qPrintable(QString::number(raToDegrees(hours, minutes), 'g', 17)));
}

void TestCatalogLine::decToDegreesConverts_data()
{
    QTest::addColumn<double>("degrees");
    QTest::addColumn<double>("minutes");
    QTest::addColumn<double>("expectedDeg");

    QTest::newRow("+41 16") << 41.0 << 16.0 << 41.2667;
    QTest::newRow("-05 30") << -5.0 << 30.0 << -5.5;
    QTest::newRow("-00 30 is south") << -0.0 << 30.0 << -0.5;
    QTest::newRow("+00 30 is north") << 0.0 << 30.0 << 0.5;
    QTest::newRow("fractional south degrees") << -12.5 << 30.0 << -13.0;
}

void TestCatalogLine::decToDegreesConverts()
{
    QFETCH(double, degrees);
    QFETCH(double, minutes);
    QFETCH(double, expectedDeg);

    QVERIFY2(closeTo(decToDegrees(degrees, minutes), expectedDeg),
             qPrintable(QString::number(decToDegrees(degrees, minutes), 'g', 17)));
}

void TestCatalogLine::readsTextFields_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("identifier");
    QTest::addColumn<QString>("messier");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("size2");
    QTest::addColumn<QString>("mag");
    QTest::addColumn<QString>("objType");
    QTest::addColumn<QString>("constellation");
    QTest::addColumn<QString>("comment");

    QTest::newRow("every field") << M31Line << "NGC 224" << "31" << "178" << "63" << "3.4"
                                 << "galaxy" << "Andromeda" << "Great spiral";
    QTest::newRow("blanks around the fields")
        << QStringLiteral(" NGC 224 , 31 ,0  42.7 ,+41  16 , 178 x 63 , 3.4 , Galaxy , Andromeda ,"
                          " Great spiral ")
        << "NGC 224" << "31" << "178" << "63" << "3.4" << "galaxy" << "Andromeda"
        << "Great spiral";
    QTest::newRow("size 10x5")
        << QStringLiteral("NGC 1,,1 00.0,+10 00,10x5,9.0,Galaxy,Leo,")
        << "NGC 1" << "" << "10" << "5" << "9.0" << "galaxy" << "Leo" << "";
    QTest::newRow("size 10 x 5")
        << QStringLiteral("NGC 1,,1 00.0,+10 00,10 x 5,9.0,Galaxy,Leo,")
        << "NGC 1" << "" << "10" << "5" << "9.0" << "galaxy" << "Leo" << "";
    QTest::newRow("type stored lower case")
        << QStringLiteral("NGC 5139,,13 26.8,-47 29,36x36,3.7,Globular,Centaurus,Omega Cen")
        << "NGC 5139" << "" << "36" << "36" << "3.7" << "globular" << "Centaurus"
        << "Omega Cen";
    QTest::newRow("comment with commas kept whole")
        << QStringLiteral("NGC 7009,,21 04.2,-11 22,1x0.5,8.0,Planetary,Aquarius,"
                          "Saturn Nebula, bright, greenish")
        << "NGC 7009" << "" << "1" << "0.5" << "8.0" << "planetary" << "Aquarius"
        << "Saturn Nebula, bright, greenish";
    // Without an "x" of its own the size runs on to the "x" in "Galaxy", and every later
    // field shifts.
    QTest::newRow("size without x reaches a later x")
        << QStringLiteral("NGC 3115,,10 05.2,-07 43,7,9.1,Galaxy,Sextans,Spindle,edge-on,seen 2006")
        << "NGC 3115" << "" << "7,9.1,Gala" << "y" << "Sextans" << "spindle" << "edge-on"
        << "seen 2006";
    QTest::newRow("tabs are not blanks")
        << QStringLiteral("\tNGC 1,,1 00.0,+10 00,10x5,9.0,Galaxy\t,Leo,")
        << "\tNGC 1" << "" << "10" << "5" << "9.0" << "galaxy\t" << "Leo" << "";
    QTest::newRow("latin-1 letters kept")
        << QStringLiteral("NGC 2070,,5 38.7,-69 06,40x25,8.0,Nebula,Dorado,Tarantel \u00e9t\u00e9")
        << "NGC 2070" << "" << "40" << "25" << "8.0" << "nebula" << "Dorado"
        << QStringLiteral("Tarantel \u00e9t\u00e9");
}

void TestCatalogLine::readsTextFields()
{
    QFETCH(QString, line);

    const CatalogLineResult result = parseCatalogLine(line);

    QVERIFY2(result.ok(), qPrintable(result.problem));
    QTEST(result.object.Identifier, "identifier");
    QTEST(result.object.Messier, "messier");
    QTEST(result.object.Size, "size");
    QTEST(result.object.Size2, "size2");
    QTEST(result.object.Mag, "mag");
    QTEST(result.object.ObjType, "objType");
    QTEST(result.object.Constellation, "constellation");
    QTEST(result.object.Comment, "comment");
}

void TestCatalogLine::readsCoordinates_data()
{
    QTest::addColumn<QString>("ra");
    QTest::addColumn<QString>("dec");
    QTest::addColumn<double>("expectedRaDeg");
    QTest::addColumn<double>("expectedDecDeg");

    QTest::newRow("0h 42.7m, +41 16") << "0 42.7" << "+41 16" << 10.675 << 41.2667;
    QTest::newRow("12h 30.0m") << "12 30.0" << "+00 00" << 187.5 << 0.0;
    QTest::newRow("hours 4.5 round down to even") << "4.5 00.0" << "+10 00" << 60.0 << 10.0;
    QTest::newRow("hours 5.5 round up to even") << "5.5 00.0" << "+10 00" << 90.0 << 10.0;
    QTest::newRow("hours 4.6 round to nearest") << "4.6 00.0" << "+10 00" << 75.0 << 10.0;
    QTest::newRow("-05 30") << "1 00.0" << "-05 30" << 15.0 << -5.5;
    QTest::newRow("-00 30 is south") << "1 00.0" << "-00 30" << 15.0 << -0.5;
    QTest::newRow("+00 30 is north") << "1 00.0" << "+00 30" << 15.0 << 0.5;
    QTest::newRow("00 30 is north") << "1 00.0" << "00 30" << 15.0 << 0.5;
    QTest::newRow("fractional degrees") << "1 00.0" << "+41.5 30" << 15.0 << 42.0;
}

void TestCatalogLine::readsCoordinates()
{
    QFETCH(QString, ra);
    QFETCH(QString, dec);
    QFETCH(double, expectedRaDeg);
    QFETCH(double, expectedDecDeg);

    const CatalogLineResult result = parseCatalogLine(lineAt(ra, dec));

    QVERIFY2(result.ok(), qPrintable(result.problem));
    QVERIFY2(closeTo(result.object.RA, expectedRaDeg), qPrintable(QString::number(result.object.RA)));
    QVERIFY2(closeTo(result.object.Dec, expectedDecDeg),
             qPrintable(QString::number(result.object.Dec)));
}

void TestCatalogLine::numbersIgnoreTheObserversLocale()
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    const CatalogLineResult result = parseCatalogLine(lineAt("12 30.6", "-5.5 30"));

    QLocale::setDefault(before);
    QVERIFY2(result.ok(), qPrintable(result.problem));
    QVERIFY(closeTo(result.object.RA, 187.65));
    QVERIFY(closeTo(result.object.Dec, -6.0));
}

void TestCatalogLine::leavesListFieldsAtTheirDefaults()
{
    const CatalogLineResult result = parseCatalogLine(M31Line);

    QVERIFY2(result.ok(), qPrintable(result.problem));
    QCOMPARE(result.object.Alt, 0.0);
    QCOMPARE(result.object.Az, 0.0);
    QCOMPARE(result.object.HrsToTransit, 0.0);
    QCOMPARE(result.object.Listed, false);
}

void TestCatalogLine::reportsWhatIsWrong_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("problem");

    QTest::newRow("empty line") << "" << "the line is empty";
    QTest::newRow("blanks only") << "   " << "no \",\" after the identifier";

    const QString cuts[][2] = {
        {"NGC 224", "no \",\" after the identifier"},
        {"NGC 224,31", "no \",\" after the Messier number"},
        {"NGC 224,31,0", "no blank after the right-ascension hours"},
        {"NGC 224,31,0 42.7", "no \",\" after the right-ascension minutes"},
        {"NGC 224,31,0 42.7,+41", "no blank after the declination degrees"},
        {"NGC 224,31,0 42.7,+41 16", "no \",\" after the declination minutes"},
        {"NGC 224,31,0 42.7,+41 16,178", "no \"x\" after the size"},
        {"NGC 224,31,0 42.7,+41 16,178x63", "no \",\" after the second size"},
        {"NGC 224,31,0 42.7,+41 16,178x63,3.4", "no \",\" after the magnitude"},
        {"NGC 224,31,0 42.7,+41 16,178x63,3.4,Galaxy", "no \",\" after the type"},
        {"NGC 224,31,0 42.7,+41 16,178x63,3.4,Galaxy,Andromeda",
         "no \",\" after the constellation"},
    };
    for (const auto &cut : cuts)
        QTest::addRow("cut after \"%s\"", qPrintable(cut[0])) << cut[0] << cut[1];

    QTest::newRow("capital X does not end the size")
        << "M 1,1,5 34.5,+22 01,6X4,8.4,Supernova remnant,Taurus,Crab Nebula"
        << "no \"x\" after the size";
    QTest::newRow("blank before the right-ascension hours")
        << lineAt(" 0 42.7", "+41 16") << "the right-ascension hours are missing";
    QTest::newRow("blank before the declination degrees")
        << lineAt("0 42.7", " +41 16") << "the declination degrees are missing";
    QTest::newRow("right-ascension hours not a number")
        << lineAt("1h 42.7", "+41 16") << "the right-ascension hours \"1h\" are not a number";
    QTest::newRow("right-ascension minutes not a number")
        << lineAt("0 4a.7", "+41 16") << "the right-ascension minutes \"4a.7\" are not a number";
    QTest::newRow("declination degrees not a number")
        << lineAt("0 42.7", "+4I 16") << "the declination degrees \"+4I\" are not a number";
    QTest::newRow("declination minutes not a number")
        << lineAt("0 42.7", "+41 l6") << "the declination minutes \"l6\" are not a number";
    QTest::newRow("decimal comma")
        << lineAt("0 42.7", "41,5 16") << "the declination degrees \"41,5\" are not a number";
    QTest::newRow("group separator")
        << QStringLiteral("NGC 1,,1,000 30.0,+10 00,5x3,9.0,Galaxy,Leo,")
        << "the right-ascension hours \"1,000\" are not a number";
    QTest::newRow("nan hours")
        << lineAt("nan 42.7", "+41 16") << "the right-ascension hours \"nan\" are not a number";
    QTest::newRow("infinite minutes") << lineAt("0 inf", "+41 16")
                                      << "the right-ascension minutes \"inf\" are not a number";
    QTest::newRow("hours beyond a whole number")
        << lineAt("3e9 42.7", "+41 16") << "the right-ascension hours \"3e9\" are out of range";
}

void TestCatalogLine::reportsWhatIsWrong()
{
    QFETCH(QString, line);

    const CatalogLineResult result = parseCatalogLine(line);

    QVERIFY(!result.ok());
    QTEST(result.problem, "problem");
}

QTEST_GUILESS_MAIN(TestCatalogLine)
#include "tst_catalogline.moc"
