#include "formats/catalogline.h"
#include "formats/catalogloader.h"
#include "catalogfiles.h"
#include "workedsession.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Andromeda Galaxy with its right ascension and declination replaced.
QString lineAt(const QString &raText, const QString &decText)
{
    return QStringLiteral("NGC 224,31,%1,%2,178x63,3.4,Galaxy,Andromeda,Great spiral") .arg(raText, decText);
}

// Why a line could not be read; empty when it was.
QString problemOf(const Result<CatalogObject> &result)
{
    return result.ok() ? QString() : result.problem().what;
}

}  // namespace

// Every line is read with a German default locale: catalog numbers always use ".".

class TestFormatsCatalog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void readsTextFields_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("fields");  // all but the coordinates, "|" between them

        QTest::newRow("10x5, Globular") << "NGC 5139,,13 26.8,-47 29,10x5,3.7,Globular,Centaurus,Omega Cen"
            << "NGC 5139||10|5|3.7|globular|Centaurus|Omega Cen";
        QTest::newRow("10 x 5, blanks around the fields")
            << " NGC 224 , 31 ,0  42.7 ,+41  16 , 10 x 5 , 3.4 , Galaxy , Andromeda , Great spiral "
            << "NGC 224|31|10|5|3.4|galaxy|Andromeda|Great spiral";
        QTest::newRow("comment with commas")
            << "NGC 7009,,21 04.2,-11 22,1x0.5,8.0,Planetary,Aquarius,Saturn Nebula, bright, green"
            << "NGC 7009||1|0.5|8.0|planetary|Aquarius|Saturn Nebula, bright, green";
        // Without an "x" of its own the size runs on to the "x" in "Galaxy"; later fields shift.
        QTest::newRow("size without x") << "NGC 3115,,10 05.2,-07 43,7,9.1,Galaxy,Sextans,Spindle,edge-on,seen 2006"
            << "NGC 3115||7,9.1,Gala|y|Sextans|spindle|edge-on|seen 2006";
        // A tab in a field would split its cell in the results grid: it is read as a blank.
        QTest::newRow("tabs become blanks") << "\tNGC 1,,1 00.0,+10 00,10x5,9.0,Galaxy\tpair,Leo,a\tb"
                                            << "NGC 1||10|5|9.0|galaxy pair|Leo|a b";
    }

    void readsTextFields()
    {
        QFETCH(QString, line);

        const Result<CatalogObject> result = parseCatalogLine(line);

        QVERIFY2(result.ok(), qPrintable(problemOf(result)));
        const CatalogObject &o = result.value();
        const QStringList fields{o.identifier, o.messier,  o.sizeText,      o.minorSizeText,
                                 o.magnitudeText, o.typeText, o.constellation, o.comment};
        QTEST(fields.join(u'|'), "fields");
    }

    // Size and magnitude as numbers where they are numbers, a plus sign allowed; the types the
    // type text names.
    void readsNumbersAndTypes()
    {
        const std::tuple<const char *, double, double, const char *> cases[] = {  // NaN: no number
            {"178x63,3.4,Galaxy", 178.0, 3.4, "Galaxy"},
            {"+0.5x0.4,+9.1,Planetary Nebula", 0.5, 9.1, "Planetary Nebula"},
            {"?x?,,Open Cluster + Nebula", qQNaN(), qQNaN(), "Nebula|Open Cluster"},
            {"1e400x,nan,Double Star", qQNaN(), qQNaN(), ""}};
        for (const auto &[sizeToType, size, magnitude, types] : cases) {
            const Result<CatalogObject> result =
                parseCatalogLine(QStringLiteral("NGC 1,,1 00.0,+10 00,%1,Leo,").arg(QLatin1String(sizeToType)));
            QVERIFY2(result.ok(), sizeToType);
            const CatalogObject &object = result.value();
            QCOMPARE(object.sizeArcmin.value_or(qQNaN()), size);
            QCOMPARE(object.magnitude.value_or(qQNaN()), magnitude);
            QCOMPARE(typeCaptions(object.types), QString::fromLatin1(types));
        }
    }

    // To 0.0001 degrees. Hours are whole, a half going to the even neighbour.
    void readsCoordinates()
    {
        const std::tuple<const char *, const char *, double, double> cases[] = {
            {"12 30.0", "+41 16", 187.5, 41.2667}, {"0 00.0", "-05 30", 0.0, -5.5},
            {"1 00.0", "-00 30", 15.0, -0.5},      {"1 00.0", "+00 30", 15.0, 0.5},
            {"4.5 00.0", "00 00", 60.0, 0.0},      {"5.5 00.0", "00 00", 90.0, 0.0}};
        for (const auto &[ra, dec, raDeg, decDeg] : cases) {
            const Result<CatalogObject> result = parseCatalogLine(lineAt(QString::fromLatin1(ra), QString::fromLatin1(dec)));
            QVERIFY2(result.ok(), qPrintable(problemOf(result)));
            QCOMPARE(qRound(result.value().raDeg * 1e4), qRound(raDeg * 1e4));
            QCOMPARE(qRound(result.value().decDeg * 1e4), qRound(decDeg * 1e4));
        }
    }

    void reportsWhatIsWrong_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("problem");

        QTest::newRow("empty line") << "" << "the line is empty";
        const QString cuts[][2] = {
            {"NGC 224", "no \",\" after the identifier"},
            {"NGC 224,31,0", "no blank after the right-ascension hours"},
            {"NGC 224,31,0 42.7,+41", "no blank after the declination degrees"},
            {"NGC 224,31,0 42.7,+41 16,178", "no \"x\" after the size"},
            {"NGC 224,31,0 42.7,+41 16,178x63,3.4", "no \",\" after the magnitude"},
            {"NGC 224,31,0 42.7,+41 16,178x63,3.4,Galaxy,And", "no \",\" after the constellation"},
        };
        for (const auto &cut : cuts)
            QTest::addRow("cut after \"%s\"", qPrintable(cut[0])) << cut[0] << cut[1];
        QTest::newRow("capital X") << "M 1,1,5 34.5,+22 01,6X4,8.4,Snr,Taurus,Crab" << "no \"x\" after the size";
        QTest::newRow("group separator") << "NGC 1,,1,000 30.0,+10 00,5x3,9.0,Galaxy,Leo,"
                                         << "the right-ascension hours \"1,000\" are not a number";
        const std::tuple<const char *, const char *, const char *> coordinates[] = {  // RA, Dec, problem
            {" 0 42.7", "+41 16", "the right-ascension hours are missing"},
            {"0 42.7", "41,5 16", "the declination degrees \"41,5\" are not a number"},
            {"0 nan", "+41 16", "the right-ascension minutes \"nan\" are not a number"},
            {"3e9 42.7", "+41 16", "the right-ascension hours \"3e9\" are out of range"},
            {"25 00.0", "+41 16", "the right ascension \"25 00.0\" is not between 0 and 24 hours"},
            {"-1 30.0", "+41 16", "the right ascension \"-1 30.0\" is not between 0 and 24 hours"},
            {"0 42.7", "+89 61", "the declination \"+89 61\" is not between -90 and 90 degrees"},  // beyond the pole
            {"0 42.7", "1.79e308 1.79e308", "the declination \"1.79e308 1.79e308\" is not between -90 and 90 degrees"},
        };
        for (const auto &[ra, dec, problem] : coordinates)
            QTest::addRow("RA \"%s\", Dec \"%s\"", ra, dec) << lineAt(ra, dec) << QString(problem);
    }

    void reportsWhatIsWrong()
    {
        QFETCH(QString, line);

        QTEST(problemOf(parseCatalogLine(line)), "problem");
    }

    void loads_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("failingLine");  // 0 when the whole file loads
        QTest::addColumn<int>("expectedCount");  // of objects; none when a line fails

        const QByteArray three = catalogBytes("NGC", 3);
        QTest::newRow("header only") << QByteArray("Identifier,M,RA\r\n") << 0 << 0;
        QTest::newRow("empty file") << QByteArray() << 1 << 0;
        QTest::newRow("no final line end") << three.chopped(2) << 0 << 3;
        QTest::newRow("blank lines at the end") << three + "\r\n  \r\n\t\r\n" << 0 << 3;
        QTest::newRow("empty line inside") << catalogBytes("NGC", 2) + "\r\n" + objectLine("NGC", 3).toUtf8() << 4 << 0;
        QTest::newRow("fault part-way")
            << three + "NGC 4, 5 30.0,+10 00,5x3,9.0,Galaxy,Leo,\r\n" + objectLine("NGC", 5).toUtf8() << 5 << 0;
        QTest::newRow("Latin-1 byte") << QByteArray("Header\r\nNGC 1,,1 00.0,+10 00,5x3,9.0,Galaxy,Leo,no. 1 caf\xe9")
                                      << 0 << 1;
        QTest::newRow("14,000 objects") << catalogBytes("NGC", 14000) << 0 << 14000;
    }

    // A fault names the file and the line, counting the header as line 1.
    void loads()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, failingLine);
        QFETCH(int, expectedCount);
        const QString path = writeFile(folder.filePath("catalog.csv"), bytes);

        const Result<Catalog> result = loadCatalogFile(path);

        QCOMPARE(result.ok(), failingLine == 0);
        if (!result.ok()) {
            QCOMPARE(result.problem().line, failingLine);
            QVERIFY(problemText(result.problem()).startsWith(QStringLiteral("%1, line %2: ").arg(path).arg(failingLine)));
            return;
        }
        const Catalog &catalog = result.value();
        QCOMPARE(catalog.size(), expectedCount);
        for (int n = 1; n <= expectedCount; n += std::max(1, expectedCount / 7)) {
            QCOMPARE(catalog.objects()[n - 1].identifier, QStringLiteral("NGC %1").arg(n));
            QVERIFY(catalog.objects()[n - 1].comment.startsWith(QStringLiteral("no. %1").arg(n)));
        }
    }

private:
    QTemporaryDir folder;
};

QTEST_GUILESS_MAIN(TestFormatsCatalog)
#include "test_formats_catalog.moc"
