#include "plan/session.h"
#include "plan/sessiontext.h"
#include "workedsession.h"

#include <QDate>
#include <QTest>

#include <map>

// The session as typed, read into numbers under the observer's locale: every field within its
// limits, every field that cannot be read named in the order of the fields with what to type.

namespace {

const QLocale German(QLocale::German, QLocale::Germany);


}  // namespace

class TestPlanSession : public QObject {
    Q_OBJECT

private slots:
    void readsNumbers()
    {
        using enum SessionField;
        const std::map<SessionField, double Session::*> numbers{
            {Latitude, &Session::latDeg},          {Longitude, &Session::lonDeg},
            {GmtDeviation, &Session::gmtDeviationHours}, {SessionLength, &Session::sessionLengthHours},
            {MinElevation, &Session::minElevDeg},  {MaxAzimuth, &Session::maxAzDeg},
            {FaintestMagnitude, &Session::faintestMag}, {MinSize, &Session::minSizeArcmin},
            {MaxSize, &Session::maxSizeArcmin}};
        const double refused = qQNaN();
        const QLocale c = QLocale::c();
        const struct {
            QLocale locale;
            SessionField field;
            const char *text;
            double value;
        } cases[] = {
            {c, Latitude, " 42.93 ", 42.93},   {c, Latitude, "-90", -90.0},      {c, Latitude, "90.5", refused},
            {c, Longitude, "180", 180.0},      {c, Longitude, "-181", refused},  {c, GmtDeviation, "14", 14.0},
            {c, GmtDeviation, "-12.5", refused}, {c, SessionLength, "0", 0.0}, {c, SessionLength, "24", 24.0},
            {c, SessionLength, "-1", refused}, {c, SessionLength, "24.5", refused},
            {c, FaintestMagnitude, "42,93", refused}, {German, FaintestMagnitude, "-5,75", -5.75},
            {German, FaintestMagnitude, "4.293,5", refused},  // no group separators
            {German, Latitude, "42.93", 42.93},               // a point is read under every locale
            {QLocale("en_US"), MaxSize, "1,000", refused},    {c, MinElevation, "1e400", refused},
            {c, MinElevation, "nan", refused}, {c, MinSize, "-1e308", -1e308}, {c, MaxAzimuth, "", refused},
        };
        for (const auto &test : cases) {
            SessionTexts texts = workedSessionTexts();
            texts[test.field] = QString::fromUtf8(test.text);
            const Result<Session> reading = readSession(texts, test.locale);
            const bool asExpected = qIsNaN(test.value)
                                        ? reading.problems().size() == 1 && reading.problem().field == test.field
                                        : reading.ok() && reading.value().*numbers.at(test.field) == test.value;
            QVERIFY2(asExpected, test.text);
        }
    }

    // In the order of the fields, with the locale's own numbers and dates in the examples.
    void namesEveryUnreadableField()
    {
        SessionTexts everyFieldWrong;
        everyFieldWrong.fields.fill(QStringLiteral("x"));
        SessionTexts someWrong = workedSessionTexts();
        someWrong[SessionField::Latitude] = QStringLiteral("91");
        someWrong[SessionField::Date] = QStringLiteral("soon");
        someWrong[SessionField::StartTime] = QStringLiteral("21:30");
        someWrong[SessionField::MaxSize] = QString();
        const std::tuple<SessionTexts, QLocale, QStringList> cases[] = {
            {everyFieldWrong, German,
             {"Latitude: Expected a latitude in degrees from -90 to 90 (north positive), such as 42,93",
              "Longitude: Expected a longitude in degrees from -180 to 180 (east positive), such as -85,48",
              "Date: Expected a date such as 15.03.2006",
              "Session Start Time: Expected a time as hours:minutes:seconds, such as 21:30:0",
              "GMT Deviation: Expected hours from -12 to 14 that local time is ahead of GMT, such as 5,5",
              "Session Length: Expected hours from 0 to 24, such as 2,5",
              "Min Elevation: Expected a number such as -5,5", "Min Azimuth: Expected a number such as -5,5",
              "Max Azimuth: Expected a number such as -5,5", "Min Brightness: Expected a number such as -5,5",
              "Min Size: Expected a number such as -5,5", "Max Size: Expected a number such as -5,5"}},
            {someWrong, QLocale::c(),
             {"Latitude: Expected a latitude in degrees from -90 to 90 (north positive), such as 42.93",
              "Date: Expected a date such as 3/15/2006",
              "Session Start Time: Expected a time as hours:minutes:seconds, such as 21:30:0",
              "Max Size: Expected a number such as -5.5"}},
        };
        for (const auto &[texts, locale, expected] : cases) {
            const Result<Session> reading = readSession(texts, locale);
            QStringList problems;
            for (const Problem &problem : reading.problems())
                problems << sessionFieldCaption(*problem.field) + QStringLiteral(": ") + problemText(problem);
            QCOMPARE(problems, expected);
        }
    }

    // Only a checked box lists its type; only the caption "Inclusive" is inclusive.
    void typeBoxesAndAzimuthMode()
    {
        using enum BoxState;
        const std::tuple<std::array<BoxState, ObjectTypeCount>, const char *, const char *, AzimuthWindowMode> cases[] = {
            {{Checked, Grayed, Clear, Checked, Checked}, "Inclusive", "Nebula|Globular Cluster|Open Cluster",
             AzimuthWindowMode::Inclusive},
            {{Clear, Checked, Checked, Clear, Clear}, "Exclusive", "Planetary Nebula|Galaxy", AzimuthWindowMode::Exclusive},
            {{Grayed, Grayed, Grayed, Grayed, Grayed}, "inclusive", "", AzimuthWindowMode::Exclusive},
            {{Checked, Checked, Checked, Checked, Checked}, "", "Nebula|Planetary Nebula|Galaxy|Globular Cluster|Open Cluster",
             AzimuthWindowMode::Exclusive},
        };
        for (const auto &[boxes, caption, types, mode] : cases) {
            SessionTexts texts = workedSessionTexts();
            texts.typeBoxes = boxes;
            texts.azimuthMode = QString::fromLatin1(caption);
            const Result<Session> reading = readSession(texts, QLocale::c());
            QVERIFY(reading.ok());
            QCOMPARE(typeCaptions(reading.value().types), QString::fromLatin1(types));
            QCOMPARE(reading.value().azimuthMode, mode);
        }
    }

    void readsDatesAndTimes()
    {
        const std::tuple<QLocale, const char *, QDate> dates[] = {  // an invalid date: not a date
            {QLocale::c(), " 3/15/2006 ", QDate(2006, 3, 15)}, {QLocale::c(), "2006-03-15", QDate(2006, 3, 15)},
            {QLocale::c(), "15/3/2006", QDate()},              {QLocale::c(), "2/30/2006", QDate()},
            {QLocale::c(), "tomorrow", QDate()},               {German, "15.03.2006", QDate(2006, 3, 15)},
            {German, "1/1/2006", QDate(2006, 1, 1)},  // the text an emptied field gets back
        };
        for (const auto &[locale, text, date] : dates) {
            const auto read = readSessionDate(QString::fromUtf8(text), locale);
            QCOMPARE(read ? QDate(read->year, read->month, read->day) : QDate(), date);
        }
        const std::pair<const char *, const char *> times[] = {  // h:m:s as read, empty: not a time
            {"21:5:0", "21:5:0"}, {"09:05:07", "9:5:7"}, {" 7 : 5 : 3 ", "7:5:3"}, {"24:0:0", ""},
            {"9:60:0", ""},       {"21:30", ""},         {"9:30:0.5", ""}};
        for (const auto &[text, time] : times) {
            const auto read = readSessionTime(QString::fromUtf8(text));
            QCOMPARE(read ? QStringLiteral("%1:%2:%3").arg(read->hour).arg(read->minute).arg(read->second) : QString(),
                     QString::fromUtf8(time));
        }
    }

    // With all four digits of the year, read back as written.
    void writtenDateReadsBack()
    {
        for (const char *name : {"C", "en_US", "de_DE", "fr_FR"}) {
            const QString written = writeSessionDate(QDate(1999, 10, 31), QLocale(name));
            const auto read = readSessionDate(written, QLocale(name));
            QVERIFY2(written.contains(u"1999") && read && read->year == 1999 && read->month == 10 && read->day == 31,
                     qPrintable(written));
        }
    }
};

QTEST_APPLESS_MAIN(TestPlanSession)
#include "test_plan_session.moc"
