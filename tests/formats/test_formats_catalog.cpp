#include "formats/catalogline.h"
#include "formats/catalogloader.h"
#include "catalogfiles.h"
#include "workedsession.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A galaxy in Leo with its right ascension, declination and the fields from the size to the type
// replaced.
QString lineWith(const char *ra, const char *dec, const char *sizeToType = "178x63,3.4,Galaxy")
{
    return QString("NGC 1,,%1,%2,%3,Leo,").arg(ra, dec, sizeToType);
}

// Why a line cannot be read, or what it reads as: its fields with the coordinates to 0.0001
// degrees, then size and magnitude as numbers ("-" for none) and the types it names, "|" between
// them all.
QString readingOf(const QString &line)
{
    const Result<CatalogObject> result = parseCatalogLine(line);
    if (!result.ok())
        return result.problem().what;
    const CatalogObject &o = result.value();
    const auto number = [](std::optional<double> value) { return value ? QString::number(qRound(*value * 1e4) / 1e4) : "-"; };
    return QStringList{o.identifier, o.messier, number(o.raDeg), number(o.decDeg), o.sizeText, o.minorSizeText, o.magnitudeText,
                       o.typeText, o.constellation, o.comment, number(o.sizeArcmin), number(o.magnitude), typeCaptions(o.types)}
        .join(u'|');
}

}  // namespace

class TestFormatsCatalog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    // Read with a German default locale: catalog numbers always use ".". Hours are whole, a half
    // going to the even neighbour; a plus sign is allowed before size and magnitude.
    void readsLines()
    {
        const std::pair<QString, const char *> lines[] = {  // a line, what it reads as
            {"NGC 5139,,13 26.8,-47 29,10x5,3.7,Globular,Centaurus,Omega Cen",
             "NGC 5139||201.7|-47.4833|10|5|3.7|globular|Centaurus|Omega Cen|10|3.7|Globular Cluster"},
            {" NGC 224 , 31 ,0  42.7 ,+41  16 , 10 x 5 , 3.4 , Galaxy , Andromeda , Great spiral ",  // blanks around the fields
             "NGC 224|31|10.675|41.2667|10|5|3.4|galaxy|Andromeda|Great spiral|10|3.4|Galaxy"},
            {"NGC 7009,,21 04.2,-11 22,1x0.5,8.0,Planetary,Aquarius,Saturn Nebula, bright, green",  // a comment with commas
             "NGC 7009||316.05|-11.3667|1|0.5|8.0|planetary|Aquarius|Saturn Nebula, bright, green|1|8|Planetary Nebula"},
            // Without an "x" of its own the size runs on to the "x" in "Galaxy"; later fields shift.
            {"NGC 3115,,10 05.2,-07 43,7,9.1,Galaxy,Sextans,Spindle,edge-on,seen 2006",
             "NGC 3115||151.3|-7.7167|7,9.1,Gala|y|Sextans|spindle|edge-on|seen 2006|-|-|"},
            // A tab in a field would split its cell in the results grid: it is read as a blank.
            {"\tNGC 1,,1 00.0,+10 00,10x5,9.0,Galaxy\tpair,Leo,a\tb", "NGC 1||15|10|10|5|9.0|galaxy pair|Leo|a b|10|9|Galaxy"},
            {lineWith("0 00.0", "-05 30"), "NGC 1||0|-5.5|178|63|3.4|galaxy|Leo||178|3.4|Galaxy"},
            {lineWith("4.5 00.0", "-00 30"), "NGC 1||60|-0.5|178|63|3.4|galaxy|Leo||178|3.4|Galaxy"},
            {lineWith("5.5 00.0", "+00 30"), "NGC 1||90|0.5|178|63|3.4|galaxy|Leo||178|3.4|Galaxy"},
            {lineWith("1 00.0", "+10 00", "+0.5x0.4,+9.1,Planetary Nebula"),
             "NGC 1||15|10|+0.5|0.4|+9.1|planetary nebula|Leo||0.5|9.1|Planetary Nebula"},
            {lineWith("1 00.0", "+10 00", "?x?,,Open Cluster + Nebula"),
             "NGC 1||15|10|?|?||open cluster + nebula|Leo||-|-|Nebula|Open Cluster"},
            {lineWith("1 00.0", "+10 00", "x,-,Double Star"), "NGC 1||15|10|||-|double star|Leo||-|-|"},
            {"", "the line is empty"},
            {"NGC 224", "no \",\" after the identifier"},
            {"NGC 224,31,0", "no blank after the right-ascension hours"},
            {"NGC 224,31,0 42.7,+41", "no blank after the declination degrees"},
            {"NGC 224,31,0 42.7,+41 16,178", "no \"x\" after the size"},
            {"NGC 224,31,0 42.7,+41 16,178x63,3.4", "no \",\" after the magnitude"},
            {"NGC 224,31,0 42.7,+41 16,178x63,3.4,Galaxy,And", "no \",\" after the constellation"},
            {"M 1,1,5 34.5,+22 01,6X4,8.4,Snr,Taurus,Crab", "no \"x\" after the size"},  // a capital X
            {"NGC 1,,1,000 30.0,+10 00,5x3,9.0,Galaxy,Leo,", "the right-ascension hours \"1,000\" are not a number"},
            {lineWith(" 0 42.7", "+41 16"), "the right-ascension hours are missing"},
            {lineWith("0 42.7", "41,5 16"), "the declination degrees \"41,5\" are not a number"},
            {lineWith("0 nan", "+41 16"), "the right-ascension minutes \"nan\" are not a number"},
            {lineWith("3e9 42.7", "+41 16"), "the right-ascension hours \"3e9\" are out of range"},
            {lineWith("25 00.0", "+41 16"), "the right ascension \"25 00.0\" is not between 0 and 24 hours"},
            {lineWith("-1 30.0", "+41 16"), "the right ascension \"-1 30.0\" is not between 0 and 24 hours"},
            {lineWith("0 42.7", "+89 61"), "the declination \"+89 61\" is not between -90 and 90 degrees"},  // beyond the pole
            {lineWith("0 42.7", "1.79e308 1.79e308"), "the declination \"1.79e308 1.79e308\" is not between -90 and 90 degrees"},
        };
        for (const auto &[line, reading] : lines)
            QCOMPARE(readingOf(line), QString(reading));
    }

    // A size or magnitude written as a number the list cannot compare would hide its object
    // without a word.
    void refusesSizesAndMagnitudes()
    {
        const std::pair<const char *, const char *> values[] = {  // size to type, why the line is refused
            {"nanx5,9.0,Galaxy", "the size \"nan\" is not a finite number"},
            {"1e400x5,9.0,Galaxy", "the size \"1e400\" is not a finite number"},
            {"-5x5,9.0,Galaxy", "the size \"-5\" is negative"},
            {"-infx5,9.0,Galaxy", "the size \"-inf\" is not a finite number"},
            {"5x5,inf,Galaxy", "the magnitude \"inf\" is not a finite number"},
            {"5x5,+NaN,Galaxy", "the magnitude \"+NaN\" is not a finite number"},
            {"5x5,-1e400,Galaxy", "the magnitude \"-1e400\" is not a finite number"},
        };
        for (const auto &[sizeToType, refusal] : values)
            QCOMPARE(readingOf(lineWith("1 00.0", "+10 00", sizeToType)), QString(refusal));
    }

    // A fault names the file and the line, counting the header as line 1; a file that loads holds
    // every object, the last one too.
    void loads()
    {
        const QTemporaryDir folder;
        const QByteArray three = catalogBytes("NGC", 3);
        const std::tuple<QByteArray, const char *> files[] = {
            {"Identifier,M,RA\r\n", "0 objects"},  // a header only
            {"", "<path>, line 1: no header line, the file is empty"},
            {three.chopped(2), "3 objects, the last NGC 3, no. 3"},  // no final line end
            {three + "\r\n  \r\n\t\r\n", "3 objects, the last NGC 3, no. 3"},  // blank lines at the end
            {catalogBytes("NGC", 2) + "\r\n" + objectLine("NGC", 3).toUtf8(), "<path>, line 4: the line is empty"},
            {three + objectLine("NGC", 4).replace("9.0", "nan").toUtf8(), "<path>, line 5: the magnitude \"nan\" is not a finite number"},
            {three + "NGC 4, 5 30.0,+10 00,5x3,9.0,Galaxy,Leo,\r\n" + objectLine("NGC", 5).toUtf8(),
             "<path>, line 5: no blank after the declination degrees"},
            {"Header\r\nNGC 1,,1 00.0,+10 00,5x3,9.0,Galaxy,Leo,no. 1 caf\xe9", "1 objects, the last NGC 1, no. 1 café"},
            {catalogBytes("NGC", 14000), "14000 objects, the last NGC 14000, no. 14000"}};
        for (const auto &[bytes, loading] : files) {
            const QString path = writeFile(folder.filePath("catalog.csv"), bytes);
            const Result<Catalog> load = loadCatalogFile(path);
            QString read = load.ok() ? QString("%1 objects").arg(load.value().size()) : problemText(load.problem());
            if (load.ok() && load.value().size() > 0)
                read += ", the last " + load.value().objects().back().identifier + ", " + load.value().objects().back().comment;
            QCOMPARE(read.replace(path, "<path>"), QString(loading));
        }
    }
};

QTEST_GUILESS_MAIN(TestFormatsCatalog)
#include "test_formats_catalog.moc"
