#include "formats/oalfile.h"
#include "sky/skyqualityestimate.h"

#include <QTest>
#include <QXmlStreamReader>

#include <cmath>
#include <numbers>

// The observing log as Open Astronomy Log documents: written for other logging programs, and read
// from what they write.

namespace {

const QString Oal = QStringLiteral("http://groups.google.com/group/openastronomylog");

Catalog testCatalog()
{
    const auto object = [](QString identifier, QString messier, double raDeg, double decDeg, QString type, QString comment) {
        return CatalogObject{identifier, messier, raDeg, decDeg, {}, {}, {}, type, "And", comment, {}, {}, {}};
    };
    return Catalog({object("NGC 224", "31", 10.68, 41.27, "spiral galaxy", "Andromeda Galaxy"),
                    object("NGC 1976", "M 42", 83.82, -5.39, "nebula with cluster", "Great Orion Nebula, Orion Nebula"),
                    object("NGC 6720", "57", 283.4, 33.03, "planetary nebula", ""),
                    object("NGC 869", "", 34.75, 57.13, "open cluster", "h Persei"),
                    object("NGC 5139", "", 201.7, -47.48, "globular cluster", ""),
                    object("NGC 6888", "", 303.0, 38.35, "emission nebula", ""),
                    object("NGC 6231", "", 253.5, -41.8, "star association", "")});
}

Observation observation(const QString &identifier, const QString &localTime, int utcOffsetSeconds)
{
    Observation made;
    made.objectIdentifier = identifier;
    made.localTime = QDateTime::fromString(localTime, Qt::ISODate);
    made.localTime.setOffsetFromUtc(utcOffsetSeconds);
    made.latDeg = 42.93;
    made.lonDeg = -85.48;
    return made;
}

// The document's elements as "parent/child" paths in the order they come, the root as "/".
QStringList elementPaths(const QByteArray &document)
{
    QXmlStreamReader reader(document);
    QStringList open, paths;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            paths << (open.isEmpty() ? QStringLiteral("/") : open.last() + u'/' + reader.name().toString());
            open << reader.name().toString();
        } else if (reader.isEndElement()) {
            open.removeLast();
        }
    }
    return paths;
}

// The texts of the elements a "parent/child" path names, or the values of an attribute of theirs
// ("targets/target@type", without its namespace), in document order.
QStringList valuesAt(const QByteArray &document, const QString &path)
{
    const QString element = path.section(u'@', 0, 0), attribute = path.section(u'@', 1);
    QXmlStreamReader reader(document);
    QStringList open, values;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement())
            open.removeLast();
        if (!reader.isStartElement())
            continue;
        const bool named = !open.isEmpty() && open.last() + u'/' + reader.name().toString() == element;
        open << reader.name().toString();
        if (!named)
            continue;
        for (const QXmlStreamAttribute &found : reader.attributes()) {
            if (found.name() == attribute)
                values << found.value().toString();
        }
        if (attribute.isEmpty()) {
            values << reader.readElementText();
            open.removeLast();
        }
    }
    return values;
}

}  // namespace

class TestFormatsOal : public QObject {
    Q_OBJECT

private slots:
    // Every field the log keeps comes back as it was, the clock's offset too; a note keeps its line
    // ends, tabs and markup. Sessions are nights at a site: the two sightings on either side of
    // midnight share one.
    void writtenAndReadBack()
    {
        Observation andromeda = observation("NGC 224", "2024-03-09T21:30:00", 3600);
        andromeda.apertureMm = 203.2;
        andromeda.magnification = 48.0;
        andromeda.skyMagPerArcsec2 = 21.37;
        andromeda.seeing = 2;
        andromeda.notes = "dust lane\r\nwith averted vision\t& <b>not</b> the core";
        Observation orion = observation("NGC 1976", "2024-03-10T00:10:00", 3600);
        orion.verdict = ObservationVerdict::Glimpsed;
        Observation ring = observation("NGC 6720", "2024-07-01T23:05:00", -19800);
        ring.latDeg = -33.5;
        ring.lonDeg = 151.25;
        ring.verdict = ObservationVerdict::NotSeen;
        const Observation atGreenwich = observation("NGC 869", "2024-10-01T22:00:00", 0);
        const QList<Observation> observations{andromeda, orion, ring, atGreenwich};

        const QByteArray document = oalDocument(observations, testCatalog());
        const Result<OalObservations> read = readOalDocument(document, ObjectNameIndex(testCatalog()));
        QVERIFY(read.ok());
        QCOMPARE(read.value().skipped, 0);
        QCOMPARE(read.value().observations, observations);
        for (qsizetype index = 0; index < observations.size(); ++index)
            QCOMPARE(read.value().observations.at(index).localTime.offsetFromUtc(), observations.at(index).localTime.offsetFromUtc());
        QCOMPARE(valuesAt(document, "observation/session"), QStringList({"session_1", "session_1", "session_2", "session_3"}));
        QCOMPARE(valuesAt(document, "session/end"), QStringList({"2024-03-10T00:10:00+01:00", "2024-07-01T23:05:00-05:30",
                                                          "2024-10-01T22:00:00Z"}));
        QVERIFY(!document.contains("\r\r") && document.count("\r\n") == document.count('\n'));
    }

    // The schema's order of the root's containers and of an observation's elements; targets typed,
    // named and placed from the catalog; the sky both as a reading and as a naked-eye limit.
    void followsTheSchema()
    {
        Observation seen = observation("NGC 224", "2024-03-09T21:30:00", 3600);
        seen.apertureMm = 200.0;
        seen.magnification = 80.0;
        seen.skyMagPerArcsec2 = 21.0;
        seen.seeing = 3;
        QList<Observation> observations{seen};
        for (const char *identifier : {"NGC 1976", "NGC 6720", "NGC 869", "NGC 5139", "NGC 6888", "NGC 6231", "IC 9999"})
            observations << observation(identifier, "2024-03-09T22:00:00", 3600);
        const QByteArray document = oalDocument(observations, testCatalog());

        QStringList root, first;
        for (const QString &path : elementPaths(document)) {
            if (path.startsWith("observations/"))
                root << path.section(u'/', 1);
            if (path.startsWith("observation/") && first.size() < 11)
                first << path.section(u'/', 1);
        }
        root.removeDuplicates();
        QCOMPARE(root, QStringList({"observers", "sites", "sessions", "targets", "scopes", "eyepieces", "lenses",
                                    "filters", "imagers", "observation"}));
        QCOMPARE(first, QStringList({"observer", "site", "session", "target", "begin", "faintestStar", "sky-quality",
                                     "seeing", "scope", "magnification", "result"}));
        QXmlStreamReader reader(document);
        QVERIFY(reader.readNextStartElement());
        QCOMPARE(reader.namespaceUri(), Oal);
        QCOMPARE(reader.attributes().value("version").toString(), "2.1");
        QCOMPARE(valuesAt(document, "targets/target@type"),
                 QStringList({"oal:deepSkyGX", "oal:deepSkyGN", "oal:deepSkyPN", "oal:deepSkyOC", "oal:deepSkyGC",
                              "oal:deepSkyGN", "oal:deepSkyNA", "oal:deepSkyNA"}));
        QCOMPARE(valuesAt(document, "target/alias"),
                 QStringList({"M 31", "Andromeda Galaxy", "M 42", "Great Orion Nebula", "Orion Nebula", "M 57", "h Persei"}));
        QCOMPARE_LE(std::abs(valuesAt(document, "position/ra").first().toDouble() - 10.68 * std::numbers::pi / 180.0), 1e-12);
        QCOMPARE(valuesAt(document, "position/ra@unit").first(), "rad");
        QCOMPARE(valuesAt(document, "observation/faintestStar"), QStringList({QString::number(nakedEyeLimitFromSqm(21.0), 'f', 2)}));
        QCOMPARE(valuesAt(document, "result/rating").first(), "3");
        QCOMPARE(valuesAt(document, "scope/aperture"), QStringList({"200"}));
    }

    // A log of the older namespace as another program wrote it: the site from the session, angles in
    // radians, UTC, the sky by the naked-eye limit, a rating of "dubiously sighted"; observations of
    // an object the catalog lacks, without a time or without a place are counted, not kept.
    void readsAnOlderLog()
    {
        const QByteArray document = "<?xml version='1.0' encoding='ISO-8859-1'?>\n"
            "<oal:observations version='1.7' xmlns:oal='http://observation.sourceforge.net/openastronomylog'\n"
            "    xmlns:xsi='http://www.w3.org/2001/XMLSchema-instance'>\n"
            "  <observers><observer id='o'><name>Ann</name><surname>Lee</surname></observer></observers>\n"
            "  <sites><site id='home'><name>Home</name><longitude unit='rad'>-1.5</longitude>\n"
            "    <latitude unit='arcmin'>2580</latitude><timezone>-300</timezone></site></sites>\n"
            "  <sessions><session id='s'><begin>2005-01-01T20:00:00</begin><end>2005-01-01T23:00:00</end><site>home</site></session></sessions>\n"
            "  <targets>\n"
            "    <target id='t1' xsi:type='oal:deepSkyGN'><datasource>x</datasource><name>Sharpless 281</name><alias>m42</alias></target>\n"
            "    <target id='t2' xsi:type='oal:deepSkyGX'><datasource>x</datasource><name>UGC 1</name></target>\n"
            "  </targets>\n"
            "  <scopes><scope id='sc' xsi:type='oal:scopeType'><model>Dob</model><aperture>254</aperture><focalLength>1200</focalLength></scope></scopes>\n"
            "  <eyepieces/><lenses/><filters/><imagers/>\n"
            "  <observation><observer>o</observer><session>s</session><target>t1</target><begin>2005-01-02T03:10:00Z</begin>\n"
            "    <faintestStar>6.5</faintestStar><seeing>4</seeing><scope>sc</scope>\n"
            "    <result xsi:type='oal:findingsDeepSkyType' lang='en'><description> wings  </description><rating>6</rating></result></observation>\n"
            "  <observation><observer>o</observer><session>s</session><target>t1</target><begin>2005-01-01T22:00:00</begin>\n"
            "    <result><description/></result></observation>\n"
            "  <observation><observer>o</observer><site>home</site><target>t2</target><begin>2005-01-02T03:20:00Z</begin><result/></observation>\n"
            "  <observation><observer>o</observer><site>home</site><target>t1</target><result/></observation>\n"
            "  <observation><observer>o</observer><target>t1</target><begin>2005-01-02T03:30:00Z</begin><result/></observation>\n"
            "</oal:observations>\n";
        const Result<OalObservations> read = readOalDocument(document, ObjectNameIndex(testCatalog()));
        QVERIFY(read.ok());
        QCOMPARE(read.value().skipped, 3);
        QCOMPARE(read.value().observations.size(), 2);
        const Observation &first = read.value().observations.first();
        QCOMPARE(first.objectIdentifier, "NGC 1976");
        QCOMPARE(first.localTime, QDateTime(QDate(2005, 1, 2), QTime(3, 10), Qt::UTC));
        QCOMPARE(first.localTime.offsetFromUtc(), 0);
        QCOMPARE_LE(std::abs(first.lonDeg + 1.5 * 180.0 / std::numbers::pi), 1e-9);
        QCOMPARE(first.latDeg, 43.0);
        QCOMPARE(first.apertureMm, 254.0);
        QCOMPARE(first.magnification, std::nullopt);
        QCOMPARE(first.skyMagPerArcsec2, sqmFromNakedEyeLimit(6.5)->magPerArcsec2);
        QCOMPARE(first.seeing, 4);
        QCOMPARE(first.verdict, ObservationVerdict::Glimpsed);
        QCOMPARE(first.notes, "wings");
        // Without an offset, the time is the site's; without a rating, the object was seen.
        const Observation &second = read.value().observations.last();
        QCOMPARE(second.localTime.offsetFromUtc(), -300 * 60);
        QCOMPARE(second.localTime.toUTC(), QDateTime(QDate(2005, 1, 2), QTime(3, 0), Qt::UTC));
        QCOMPARE(second.verdict, ObservationVerdict::Seen);
        QCOMPARE(second.skyMagPerArcsec2, std::nullopt);
    }

    // What is not an OAL document is refused with the line where that shows.
    void refusesWhatIsNotOal()
    {
        const std::tuple<QByteArray, int, const char *> documents[] = {  // the document, the line, what is said
            {"", 1, "not well-formed"},
            {"<oal:observations xmlns:oal=\"" + Oal.toUtf8() + "\">\n<observers>\n", 3, "not well-formed"},  // cut short
            {"<?xml version=\"1.0\"?>\n<html/>", 2, "<html> without a namespace"},
            {"<observations xmlns=\"urn:x\"/>", 1, "namespace \"urn:x\""},
            {"NGC 224\nNGC 1976\n", 1, "not well-formed"}};  // a list, not XML
        for (const auto &[document, line, what] : documents) {
            const Result<OalObservations> read = readOalDocument(document, ObjectNameIndex(testCatalog()));
            QVERIFY(!read.ok() && read.problem().line == line);
            QVERIFY2(read.problem().what.contains(what), qPrintable(read.problem().what));
        }
    }
};

QTEST_GUILESS_MAIN(TestFormatsOal)
#include "test_formats_oal.moc"
