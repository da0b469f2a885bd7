#include "plan/session.h"

#include "plan/fieldnumber.h"
#include "plan/sessiontext.h"

#include <QDate>
#include <QTimeZone>

namespace {

double Session::*const NumberTargets[SessionFieldCount] = {
    &Session::latDeg, &Session::lonDeg, nullptr, nullptr, &Session::gmtDeviationHours,
    &Session::sessionLengthHours, &Session::minElevDeg, &Session::minAzDeg, &Session::maxAzDeg,
    &Session::faintestMag, &Session::minSizeArcmin, &Session::maxSizeArcmin, nullptr,
};

// Reads one field into the session; false when it cannot be read.
bool readField(const SessionFieldEntry &entry, const QString &text, const QLocale &locale, Session &session)
{
    if (entry.kind == FieldKind::Date) {
        const auto date = readSessionDate(text, locale);
        session.date = date.value_or(session.date);
        return date.has_value();
    }
    if (entry.kind == FieldKind::Zone) {
        session.timeZone = text.trimmed();
        return session.timeZone.isEmpty() || QTimeZone::isTimeZoneIdAvailable(session.timeZone.toUtf8());
    }
    if (entry.kind == FieldKind::Time) {
        const auto time = readSessionTime(text);
        session.startTime = time.value_or(session.startTime);
        return time.has_value();
    }
    const auto value = readFieldNumberWithin(text, locale, entry.minValue, entry.maxValue);
    if (value)
        session.*NumberTargets[std::size_t(entry.field)] = *value;
    return value.has_value();
}

}  // namespace

LocalClock Session::clock() const
{
    if (timeZone.isEmpty())
        return LocalClock(gmtDeviationHours);
    return LocalClock(QTimeZone(timeZone.toUtf8()), gmtDeviationHours);
}

QString expectedValue(SessionField field, const QLocale &locale)
{
    const SessionFieldEntry &entry = sessionFieldEntry(field);
    switch (entry.kind) {
    case FieldKind::Date:
        return QStringLiteral("Expected %1, such as %2")
            .arg(QString::fromUtf16(entry.unitWording)
                     .arg(writeSessionDate(sessionDates().first, locale), writeSessionDate(sessionDates().last, locale)),
                 writeSessionDate(QDate(2006, 3, 15), locale));
    case FieldKind::Time:
        return QStringLiteral("Expected a time as hours:minutes:seconds, such as 21:30:0");
    case FieldKind::Zone:
        return QStringLiteral("Expected a time zone such as Europe/Berlin, or nothing to use the GMT deviation");
    case FieldKind::Number:
        break;
    }
    if (entry.minValue == -AnyValue)
        return QStringLiteral("Expected a number such as %1").arg(locale.toString(entry.example));
    return QStringLiteral("Expected %1, such as %2")
        .arg(QString::fromUtf16(entry.unitWording).arg(locale.toString(entry.minValue), locale.toString(entry.maxValue)),
             locale.toString(entry.example));
}

Result<Session> readSession(const SessionTexts &texts, const QLocale &locale)
{
    Session session;
    QList<Problem> problems;
    // A zone that cannot be read leaves the deviation to be read, so that both can be marked.
    const QByteArray zone = texts[SessionField::TimeZone].trimmed().toUtf8();
    const bool zoned = !zone.isEmpty() && QTimeZone::isTimeZoneIdAvailable(zone);
    for (const SessionFieldEntry &entry : SessionFields) {
        if (zoned && entry.field == SessionField::GmtDeviation)
            continue;  // the zone's offset at the start, below
        if (!readField(entry, texts[entry.field], locale, session))
            problems.append(Problem{{}, 0, entry.field, expectedValue(entry.field, locale)});
    }
    if (!problems.isEmpty())
        return problems;
    if (zoned)
        session.gmtDeviationHours = zoneDeviationHours(
            QTimeZone(zone), QDate(session.date.year, session.date.month, session.date.day),
            QTime(session.startTime.hour, session.startTime.minute, session.startTime.second));
    session.azimuthMode = texts.azimuthMode == InclusiveCaption ? AzimuthWindowMode::Inclusive
                                                                : AzimuthWindowMode::Exclusive;
    for (const ObjectTypeEntry &entry : ObjectTypes)
        session.types.set(entry.type, texts[entry.type] == BoxState::Checked);
    session.onlyWhatTelescopeShows = texts.onlyWhatTelescopeShows;
    session.visibleAnyTime = texts.visibleAnyTime;
    return session;
}
