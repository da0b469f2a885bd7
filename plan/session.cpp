#include "plan/session.h"

#include "plan/fieldnumber.h"
#include "plan/sessiontext.h"

#include <QDate>

namespace {

double Session::*const NumberTargets[SessionFieldCount] = {
    &Session::latDeg, &Session::lonDeg, nullptr, nullptr, &Session::gmtDeviationHours,
    &Session::sessionLengthHours, &Session::minElevDeg, &Session::minAzDeg, &Session::maxAzDeg,
    &Session::faintestMag, &Session::minSizeArcmin, &Session::maxSizeArcmin,
};

// Reads one field into the session; false when it cannot be read.
bool readField(const SessionFieldEntry &entry, const QString &text, const QLocale &locale, Session &session)
{
    if (entry.kind == FieldKind::Date) {
        const auto date = readSessionDate(text, locale);
        session.date = date.value_or(session.date);
        return date.has_value();
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
    for (const SessionFieldEntry &entry : SessionFields) {
        if (!readField(entry, texts[entry.field], locale, session))
            problems.append(Problem{{}, 0, entry.field, expectedValue(entry.field, locale)});
    }
    if (!problems.isEmpty())
        return problems;
    session.azimuthMode = texts.azimuthMode == InclusiveCaption ? AzimuthWindowMode::Inclusive
                                                                : AzimuthWindowMode::Exclusive;
    for (const ObjectTypeEntry &entry : ObjectTypes)
        session.types.set(entry.type, texts[entry.type] == BoxState::Checked);
    session.onlyWhatTelescopeShows = texts.onlyWhatTelescopeShows;
    session.visibleAnyTime = texts.visibleAnyTime;
    return session;
}
