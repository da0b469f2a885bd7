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

std::optional<double> readNumber(const SessionFieldSpec &spec, const QString &text, const QLocale &locale)
{
    const auto value = readFieldNumber(text, locale);
    if (value && *value >= spec.minValue && *value <= spec.maxValue)
        return value;
    return std::nullopt;
}

// Reads one field into the session; false when it cannot be read.
bool readField(const SessionFieldSpec &spec, const QString &text, const QLocale &locale, Session &session)
{
    switch (spec.kind) {
    case FieldKind::Date:
        if (const auto date = readSessionDate(text, locale)) {
            session.date = *date;
            return true;
        }
        return false;
    case FieldKind::Time:
        if (const auto time = readSessionTime(text)) {
            session.startTime = *time;
            return true;
        }
        return false;
    case FieldKind::Number:
        if (const auto value = readNumber(spec, text, locale)) {
            session.*NumberTargets[std::size_t(spec.field)] = *value;
            return true;
        }
        return false;
    }
    return false;
}

}  // namespace

QString expectedValue(SessionField field, const QLocale &locale)
{
    const SessionFieldSpec &spec = sessionFieldSpec(field);
    switch (spec.kind) {
    case FieldKind::Date:
        return QStringLiteral("Expected a date such as %1").arg(writeSessionDate(QDate(2006, 3, 15), locale));
    case FieldKind::Time:
        return QStringLiteral("Expected a time as hours:minutes:seconds, such as 21:30:0");
    case FieldKind::Number:
        break;
    }
    if (spec.minValue == -AnyValue)
        return QStringLiteral("Expected a number such as %1").arg(locale.toString(spec.example));
    return QStringLiteral("Expected %1, such as %2")
        .arg(QString::fromUtf16(spec.unitWording).arg(locale.toString(spec.minValue), locale.toString(spec.maxValue)),
             locale.toString(spec.example));
}

Result<Session> readSession(const SessionTexts &texts, const QLocale &locale)
{
    Session session;
    QList<Problem> problems;
    for (const SessionFieldSpec &spec : SessionFields) {
        if (!readField(spec, texts[spec.field], locale, session))
            problems.append(Problem{{}, 0, spec.field, expectedValue(spec.field, locale)});
    }
    if (!problems.isEmpty())
        return problems;
    session.azimuthMode = texts.azimuthMode == InclusiveCaption ? AzimuthWindowMode::Inclusive
                                                                : AzimuthWindowMode::Exclusive;
    for (const ObjectTypeSpec &spec : ObjectTypes)
        session.types.set(spec.type, texts[spec.type] == BoxState::Checked);
    return session;
}
