#include "formats/csvlist.h"
#include "formats/listexport.h"
#include "formats/observinglistfile.h"
#include "formats/stellariumlist.h"
#include "workedsession.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>
#include <QUuid>

// The list in the files other programs read: read back as an imported list, and byte for byte
// where the format's description fixes the bytes.

namespace {

QStringList crLfLines(const QString &text)
{
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// RFC 4180 records: fields in quotes may hold commas, doubled quotes and line breaks.
QList<QStringList> csvRecords(const QString &text)
{
    QList<QStringList> records{{}};
    QString field;
    bool quoted = false;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar c = text[at];
        const QStringView rest = QStringView(text).sliced(at);
        if (quoted && rest.startsWith(u"\"\""))
            field += text[++at];
        else if (c == u'"')
            quoted = !quoted;
        else if (!quoted && c == u',')
            records.last() << std::exchange(field, {});
        else if (!quoted && rest.startsWith(u"\r\n")) {
            records.last() << std::exchange(field, {});
            records.append(QStringList{});
            ++at;
        } else
            field += c;
    }
    records.removeLast();  // after the last line end
    return records;
}

CatalogObject andromeda()
{
    CatalogObject object = catalogObject("NGC 224", 10.68471, 41.26917, "spiral galaxy", "177.8", "3.44");
    object.messier = "31";  // as the catalog file writes it
    object.constellation = "And";
    object.comment = "Andromeda Galaxy, Andromeda Nebula";
    return object;
}

// Four objects: one with a Messier number, one whose identifier holds a comma and quotes, one in
// the south, one just short of 24 hours; under the worked session every one is listed.
ObservingList fourObjects()
{
    const std::vector<CatalogObject> objects{andromeda(), catalogObject("Barnard 33, \"Horsehead\"", 85.245, -2.458, "dark nebula"),
                                             catalogObject("NGC 2243", 97.4, -31.283, "open cluster", "5.1", "9.4"),
                                             catalogObject("Last", 359.99999, 0.0)};
    return generateList(readSession(workedSessionTexts(), QLocale::c()).value(), Catalog(objects), nullptr);
}

QString exported(ExportFormat format, const ObservingList &list, const std::vector<int> &order)
{
    return exportedList(format, {list, order, listColumnsWith({ListColumn::Reserve}), "Tonight",
                                 QDateTime(QDate(2006, 3, 15), QTime(20, 5, 7))});
}

}  // namespace

class TestFormatsExport : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // Each file, read back as an imported list, names the listed objects in the order given.
    void roundTrip_data()
    {
        QTest::addColumn<ExportFormat>("format");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("skylist") << ExportFormat::SkySafari << "skylist";
        QTest::newRow("stellarium") << ExportFormat::Stellarium << "sol";
        QTest::newRow("cdc") << ExportFormat::CartesDuCiel << "txt";
        QTest::newRow("csv") << ExportFormat::Csv << "csv";
    }
    void roundTrip()
    {
        QFETCH(ExportFormat, format);
        QFETCH(QString, suffix);
        const ObservingList list = fourObjects();
        QCOMPARE(list.size(), 4);
        const std::vector<int> order = sortedRows(list, int(ListColumn::Declination), Qt::AscendingOrder);
        const Result<ImportedList> read = readObservingList(exported(format, list, order), suffix);
        QVERIFY(read.ok());
        QCOMPARE(read.value().entries.size(), list.size());
        for (std::size_t n = 0; n < order.size(); ++n)
            QCOMPARE(read.value().entries[qsizetype(n)].names.first(), list.rows[std::size_t(order[n])].object->identifier);
    }

    void skySafariBytes()
    {
        const ObservingList list = fourObjects();
        const std::vector<int> order = sortedRows(list, int(ListColumn::Identifier), Qt::AscendingOrder);
        QCOMPARE(exported(ExportFormat::SkySafari, list, {order[2], order[1]}).toUtf8(),
                 "SkySafariObservingListVersion=3.0\r\n"
                 "SkyObject=BeginObject\r\nObjectID=4,-1,-1\r\nCommonName=Andromeda Galaxy\r\nCatalogNumber=NGC 224\r\nCatalogNumber=M 31\r\nEndObject=SkyObject\r\n"
                 "SkyObject=BeginObject\r\nObjectID=4,-1,-1\r\nCatalogNumber=Last\r\nEndObject=SkyObject\r\n");
    }

    void stellariumKeysAndValues()
    {
        const ObservingList list = fourObjects();
        const QString text = exported(ExportFormat::Stellarium, list, listOrder(list));
        QVERIFY(text.endsWith("}\r\n") && text.count(u'\n') == 1);  // one line, ended as every file
        const QJsonObject document = QJsonDocument::fromJson(text.toUtf8()).object();
        const QString id = document["defaultListOlud"].toString();
        QVERIFY(!QUuid::fromString(id).isNull() && id.startsWith(u'{'));
        QCOMPARE(document.keys(), (QStringList{"defaultListOlud", "observingLists", "shortName", "version"}));
        QCOMPARE(document["version"], "2.1");
        QCOMPARE(document["shortName"], "Observing list for Stellarium");
        const QJsonObject observingList = document["observingLists"][id].toObject();
        QCOMPARE(observingList["name"], "Tonight");
        QCOMPARE(observingList["creation date"], "2006-03-15 20:05:07");
        QCOMPARE(observingList["last edit"], "2006-03-15 20:05:07");
        QCOMPARE(observingList["sorting"], "");
        QVERIFY(observingList["description"].toString().contains("42.93"));
        const QJsonObject expected{{"designation", "NGC 224"}, {"type", "Nebula"},   {"objtype", "spiral galaxy"},
                                   {"name", "Andromeda Galaxy"}, {"ra", "0h42m44.3s"}, {"dec", "+41°16'09\""},
                                   {"magnitude", "3.44"},     {"constellation", "And"}, {"fov", 0},
                                   {"jd", 0},                 {"location", ""},     {"landscapeID", ""},
                                   {"isVisibleMarker", false}};
        const QJsonArray objects = observingList["objects"].toArray();
        QCOMPARE(objects.size(), 4);
        QCOMPARE(objects.last().toObject(), expected);  // the first in the catalog is listed last
    }

    // Rounded to the last place written, carrying into minutes, hours and degrees.
    void stellariumPositions()
    {
        const std::tuple<double, double, QString, QString> cases[] = {
            {10.68471, 41.26917, "0h42m44.3s", "+41°16'09\""},
            {97.4, -31.283, "6h29m36.0s", "-31°16'59\""},
            {359.99999, -0.0000001, "0h00m00.0s", "+0°00'00\""},
            {150.0, -89.99999, "10h00m00.0s", "-90°00'00\""},
            {44.99999, 9.999999, "3h00m00.0s", "+10°00'00\""}};
        for (const auto &[raDeg, decDeg, ra, dec] : cases) {
            QCOMPARE(stellariumRA(raDeg), ra);
            QCOMPARE(stellariumDec(decDeg), dec);
        }
    }

    void cartesDuCielColumns()
    {
        const ObservingList list = fourObjects();
        const std::vector<int> order = sortedRows(list, int(ListColumn::Declination), Qt::AscendingOrder);
        const QStringList lines = crLfLines(exported(ExportFormat::CartesDuCiel, list, order));
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[0], "Tonight");
        const QString &southern = lines[1];
        QCOMPARE(southern.left(32), QString("NGC 2243").leftJustified(32));
        QCOMPARE(southern.mid(32, 10), "  97.40000");
        QCOMPARE(southern.mid(42, 10), " -31.28300");
        QCOMPARE(southern.mid(52, 32), QString("NGC 2243").leftJustified(32));
        QCOMPARE(southern.mid(84), "open cluster, mag 9.4");
        QCOMPARE(lines[4].mid(32, 20), "  10.68471  41.26917");
    }

    void csvField_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field");
        QTest::newRow("plain") << "NGC 224" << "NGC 224";
        QTest::newRow("comma") << "a,b" << "\"a,b\"";
        QTest::newRow("quote") << "say \"hi\"" << "\"say \"\"hi\"\"\"";
        QTest::newRow("line break") << "two\r\nlines" << "\"two\r\nlines\"";
        QTest::newRow("empty") << "" << "";
    }
    void csvField()
    {
        QFETCH(QString, text);
        QFETCH(QString, field);
        QCOMPARE(::csvField(text), field);
    }

    // Under a locale whose decimal sign is a comma, the numbers still have a point; a field with a
    // comma and quotes is quoted; the columns are the ones given, then the decimal position.
    void csvUnderGermanLocale()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const ObservingList list = generateList(
            readSession(workedSessionTexts(), QLocale()).value(),
            Catalog({catalogObject("Barnard 33, \"Horsehead\"", 85.245, -2.458, "dark nebula", "10.5", "6.8")}), nullptr);
        const QStringList lines = crLfLines(exported(ExportFormat::Csv, list, listOrder(list)));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], "Identifier,Messier,Type,Size,Altitude,Azimuth,RA,DEC,hrs to Transit,Magnitude,Constellation,"
                           "Reserve,RA (deg),Dec (deg)");
        QVERIFY2(lines[1].startsWith("\"Barnard 33, \"\"Horsehead\"\"\",,dark nebula,10.5,") && lines[1].endsWith(",Ori,-,85.24500,-2.45800"),
                 qPrintable(lines[1]));
        const QStringList cells = csvRecords(lines[1] + "\r\n").first();
        for (const int column : {4, 5, 8})
            QVERIFY2(cells[column].contains(QRegularExpression("^-?\\d+\\.\\d\\d$")), qPrintable(cells[column]));
        QVERIFY2(cells[6].contains(QRegularExpression("^5 \\d\\d\\.\\d$")), qPrintable(cells[6]));
    }
};

QTEST_APPLESS_MAIN(TestFormatsExport)
#include "test_formats_export.moc"
