#include "formats/citiesfile.h"

#include <QTest>

#include <utility>

// The optional fifth field of the cities file, the place's time zone.
class TestFormatsCities : public QObject {
    Q_OBJECT

private slots:
    // A fifth field is taken when it is a zone the system knows, or has the form of one; a zone
    // this system does not know is no zone. Anything else after a fourth comma stays in the
    // longitude, as in a file of four fields.
    void fifthFieldIsTheTimeZone()
    {
        const std::pair<QString, QStringList> cases[] = {  // line, {longitude, zone}
            {"Paris,FR,48.8534,2.3488", {"2.3488", ""}},
            {"Paris,FR,48.8534,2.3488,Europe/Paris", {"2.3488", "Europe/Paris"}},
            {" Hobart , AU , -42.8794 , 147.3294 ,  Australia/Hobart ", {"147.3294", "Australia/Hobart"}},
            {"Salta,AR,-24.7859,-65.4117\t,\tAmerica/Argentina/Salta", {"-65.4117", "America/Argentina/Salta"}},
            {"Null Island,XX,0.0,0.0,UTC", {"0.0", "UTC"}},
            {"Ys,FR,48.1,-4.3,Europe/Ys", {"-4.3", ""}},
            {"Bend,OR,44.0582,-121.3153 , x", {"-121.3153 , x", ""}},
            {"Bend,OR,44.0582,-121.3153,", {"-121.3153,", ""}},
            {"Paris,FR,48.8534,2.3488,Europe/Paris,x", {"2.3488,Europe/Paris,x", ""}}};
        for (const auto &[line, wanted] : cases) {
            const City city = splitPlaceLine(line).value();
            QCOMPARE((QStringList{city.longitude, city.timeZone}), wanted);
        }
    }

    // Every shipped city has a zone that this system knows.
    void shippedCitiesHaveZones()
    {
        const Result<QList<City>> read = readCitiesFile(qEnvironmentVariable("NOCTURO_SOURCE_DIR") + "/data/cities.csv");
        QVERIFY(read.ok() && read.value().size() > 1000);
        for (const City &city : read.value())
            QVERIFY2(!city.timeZone.isEmpty() && !city.longitude.contains(u','), qPrintable(city.name()));
    }
};

QTEST_GUILESS_MAIN(TestFormatsCities)
#include "test_formats_cities.moc"
