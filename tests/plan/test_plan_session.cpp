#include "plan/daylightnote.h"
#include "plan/session.h"
#include "plan/sessiontext.h"
#include "workedsession.h"

#include <QDate>
#include <QTime>
#include <QTest>

// The session as typed, read into numbers under the observer's locale: every field within its
// limits, every field that cannot be read named in the order of the fields with what to type.

namespace {

const QLocale C = QLocale::c(), German(QLocale::German, QLocale::Germany);

}  // namespace

class TestPlanSession : public QObject {
    Q_OBJECT

private slots:
    // A refused text (NaN here) is the one problem, on its field.
    void readsNumbers()
    {
        using enum SessionField;
        const std::array<double Session::*, SessionFieldCount> numbers{&Session::latDeg, &Session::lonDeg, nullptr, nullptr,
            &Session::gmtDeviationHours, &Session::sessionLengthHours, &Session::minElevDeg, &Session::minAzDeg,
            &Session::maxAzDeg, &Session::faintestMag, &Session::minSizeArcmin, &Session::maxSizeArcmin};
        const double no = qQNaN();
        const std::tuple<QLocale, SessionField, const char *, double> cases[] = {
            {C, Latitude, " 42.93 ", 42.93}, {C, Latitude, "-90", -90.0}, {C, Latitude, "90.5", no}, {C, Longitude, "180", 180.0},
            {C, Longitude, "-181", no}, {C, GmtDeviation, "14", 14.0}, {C, GmtDeviation, "-12.5", no}, {C, SessionLength, "0", 0},
            {C, SessionLength, "24", 24.0}, {C, SessionLength, "-1", no}, {C, SessionLength, "24.5", no},
            {German, FaintestMagnitude, "-5,75", -5.75}, {German, FaintestMagnitude, "4.293,5", no},  // no group separators
            {German, Latitude, "42.93", 42.93},  // a point is read under every locale
            {QLocale("en_US"), MaxSize, "1,000", no}, {C, MinElevation, "1e400", no}, {C, MinElevation, "nan", no},
            {C, MinSize, "-1e308", -1e308}, {C, MaxAzimuth, "", no}};
        for (const auto &[locale, field, text, value] : cases) {
            const Result<Session> reading = readSession(workedSessionTexts({{field, text}}), locale);
            QVERIFY2(qIsNaN(value) ? reading.problems().size() == 1 && reading.problem().field == field
                                   : reading.ok() && reading.value().*numbers[std::size_t(field)] == value,
                     text);
        }
    }

    // In the order of the fields, with the locale's own numbers and dates in the examples.
    void namesEveryUnreadableField()
    {
        SessionTexts everyFieldWrong;
        everyFieldWrong.fields.fill("x");
        const SessionTexts someWrong = workedSessionTexts({{SessionField::Latitude, "91"}, {SessionField::Date, "soon"}});
        const std::tuple<SessionTexts, QLocale, QStringList> cases[] = {
            {everyFieldWrong, German,
             {"Latitude: Expected a latitude in degrees from -90 to 90 (north positive), such as 42,93",
              "Longitude: Expected a longitude in degrees from -180 to 180 (east positive), such as -85,48",
              "Date: Expected a date from 01.01.1800 to 31.12.2200, such as 15.03.2006",
              "Session Start Time: Expected a time as hours:minutes:seconds, such as 21:30:0",
              "GMT Deviation: Expected hours from -12 to 14 that local time is ahead of GMT, such as 5,5",
              "Session Length: Expected hours from 0 to 24, such as 2,5", "Min Elevation: Expected a number such as -5,5",
              "Min Azimuth: Expected a number such as -5,5", "Max Azimuth: Expected a number such as -5,5",
              "Min Brightness: Expected a number such as -5,5", "Min Size: Expected a number such as -5,5",
              "Max Size: Expected a number such as -5,5",
              "Time zone: Expected a time zone such as Europe/Berlin, or nothing to use the GMT deviation"}},
            {someWrong, C,
             {"Latitude: Expected a latitude in degrees from -90 to 90 (north positive), such as 42.93",
              "Date: Expected a date from 1/1/1800 to 12/31/2200, such as 3/15/2006"}},
        };
        for (const auto &[texts, locale, expected] : cases) {
            const Result<Session> reading = readSession(texts, locale);
            QStringList problems;
            for (const Problem &problem : reading.problems())
                problems << sessionFieldCaption(*problem.field) + ": " + problemText(problem);
            QCOMPARE(problems, expected);
        }
    }

    // An invalid date, or one before 1800 or after 2200: not a date; "1/1/2006" is the text an emptied field gets back. A date written
    // with all four digits of the year reads back. Times as h:m:s read, empty: not a time.
    void readsDatesAndTimes()
    {
        const auto dateText = [](auto d) { return d ? QString("%1-%2-%3").arg(d->year).arg(d->month).arg(d->day) : ""; };
        const std::tuple<QLocale, const char *, const char *> dates[] = {
            {C, " 3/15/2006 ", "2006-3-15"}, {C, "2006-03-15", "2006-3-15"}, {C, "15/3/2006", ""}, {C, "2/30/2006", ""},
            {C, "tomorrow", ""}, {German, "15.03.2006", "2006-3-15"}, {German, "1/1/2006", "2006-1-1"},
            // Only the years the Sun's and the Moon's places are computed for.
            {C, "1/1/1800", "1800-1-1"}, {C, "12/31/1799", ""}, {German, "31.12.2200", "2200-12-31"}, {C, "2201-01-01", ""},
            {C, "9999-12-31", ""}};
        for (const auto &[locale, text, date] : dates)
            QCOMPARE(dateText(readSessionDate(text, locale)), QString(date));
        for (const QLocale &locale : {C, QLocale("en_US"), German, QLocale("fr_FR")})
            QCOMPARE(dateText(readSessionDate(writeSessionDate(QDate(1999, 10, 31), locale), locale)), "1999-10-31");
        const auto timeText = [](auto t) { return t ? writeSessionTime(QTime(t->hour, t->minute, t->second)) : ""; };
        const std::pair<const char *, const char *> times[] = {
            {"21:5:0", "21:5:0"}, {"09:05:07", "9:5:7"}, {" 7 : 5 : 3 ", "7:5:3"}, {"24:0:0", ""}, {"9:60:0", ""}, {"21:30", ""},
            {"9:30:0.5", ""}, {"23:59:59", "23:59:59"}};
        for (const auto &[text, time] : times)
            QCOMPARE(timeText(readSessionTime(text)), QString(time));
    }

    // The status line's words on the Sun: the sky at each end when it is not dark, and each time
    // darkness begins or ends named by its event. Denver's and Tromsø's times agree with an
    // independent ephemeris (Denver: nautical dawn 06:16, civil 06:49; Tromsø: civil dusk 13:53).
    void daylightNoteNamesEachEvent()
    {
        using enum SessionField;
        const std::pair<SessionTexts, const char *> cases[] = {
            {workedSessionTexts({{Latitude, "39.74"}, {Longitude, "-104.99"}, {GmtDeviation, "-7"}, {Date, "1/15/2026"},
                                 {StartTime, "5:0:0"}}),
             "astronomical dawn 05:44; civil twilight at the end"},
            {workedSessionTexts({{Latitude, "69.65"}, {Longitude, "18.96"}, {GmtDeviation, "1"}, {Date, "12/21/2026"},
                                 {StartTime, "12:0:0"}, {SessionLength, "24"}}),
             "civil twilight at the start and the end; astronomical dusk 16:56; astronomical dawn 06:29"},
            {workedSessionTexts({{StartTime, "19:0:0"}}), "civil twilight at the start; astronomical dusk 20:23"},
            {workedSessionTexts({{StartTime, "17:0:0"}}), "Sun 18° up at the start; never dark in the session; civil twilight at the end"},
            {workedSessionTexts({{StartTime, "0:0:0"}, {SessionLength, "24"}}), "astronomical dawn 05:20; astronomical dusk 20:23"},
            {workedSessionTexts({{Latitude, "78"}, {Date, "6/21/2026"}, {StartTime, "0:0:0"}, {SessionLength, "24"}}),
             "Sun 12° up at the start and the end; never dark in the session"},
            {workedSessionTexts(), ""}};
        for (const auto &[texts, note] : cases)
            QCOMPARE(daylightNote(readSession(texts, C).value()), QString::fromUtf8(note));
    }

    // A zone's offset at the start is the session's deviation, whatever the deviation typed; a time
    // after a change of the zone's clocks within the night is marked. Offsets and changes from the
    // IANA tz database: Berlin back to CET on 2026-10-25 at 03:00 CEST (01:00 UTC), Adelaide on to
    // ACDT on 2026-10-04 at 02:00 ACST (16:30 UTC the day before); Sao Paulo has kept -3 since 2019.
    void timeZones()
    {
        const std::tuple<const char *, const char *, double, QDateTime, const char *> cases[] = {
            {"Europe/Berlin", "10/24/2026", 2.0, QDateTime(QDate(2026, 10, 25), QTime(0, 30), Qt::UTC), "02:30"},
            {"Europe/Berlin", "10/24/2026", 2.0, QDateTime(QDate(2026, 10, 25), QTime(1, 30), Qt::UTC), "02:30 (CET)"},
            {"Australia/Adelaide", "10/3/2026", 9.5, QDateTime(QDate(2026, 10, 3), QTime(17, 0), Qt::UTC), "03:30 (ACDT)"},
            {"America/Sao_Paulo", "1/15/2026", -3.0, QDateTime(QDate(2026, 1, 16), QTime(5, 0), Qt::UTC), "02:00"},
            {"Asia/Kolkata", "3/15/2006", 5.5, QDateTime(QDate(2006, 3, 15), QTime(17, 0), Qt::UTC), "22:30"},
            {"Pacific/Kiritimati", "12/31/2026", 14.0, QDateTime(QDate(2026, 12, 31), QTime(10, 0), Qt::UTC), "00:00"}};
        const QDateTime j2000(QDate(2000, 1, 1), QTime(12, 0), Qt::UTC);
        for (const auto &[zone, date, deviation, instant, shown] : cases) {
            const Result<Session> session = readSession(workedSessionTexts({{SessionField::TimeZone, zone},
                                                                            {SessionField::Date, date},
                                                                            {SessionField::StartTime, "22:0:0"},
                                                                            {SessionField::GmtDeviation, "x"}}),
                                                        QLocale::c());
            QVERIFY2(session.ok() && session.value().gmtDeviationHours == deviation, zone);
            QCOMPARE(session.value().clock().text(j2000.secsTo(instant) / 86400.0, ClockFormat), QString(shown));
        }
        const Result<Session> unknown = readSession(workedSessionTexts({{SessionField::TimeZone, "Mars/Olympus"}}), QLocale::c());
        QVERIFY(!unknown.ok() && unknown.problem().field == SessionField::TimeZone);
    }
};

QTEST_APPLESS_MAIN(TestPlanSession)
#include "test_plan_session.moc"
