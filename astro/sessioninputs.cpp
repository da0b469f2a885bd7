#include "astro/sessioninputs.h"

#include "astro/sessiontext.h"

#include <QDate>

#include <optional>

namespace {

std::optional<double> readNumber(const QString &text, const QLocale &locale)
{
    bool ok = false;
    const double value = locale.toDouble(text.trimmed(), &ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

// Reads one numeric field into target, or notes the field as unreadable.
void readNumberField(const QString &text, SessionField field, const QLocale &locale,
                     double &target, SessionReading &reading)
{
    if (const auto value = readNumber(text, locale))
        target = *value;
    else
        reading.unreadable.append(field);
}

}  // namespace

SessionReading readSessionInputs(const SessionParameters &p, const QLocale &locale)
{
    SessionReading reading;
    SessionInputs &in = reading.inputs;

    readNumberField(p.Lat, SessionField::Lat, locale, in.latDeg, reading);
    readNumberField(p.Lon, SessionField::Lon, locale, in.lonDeg, reading);
    if (const auto date = readSessionDate(p.txtDate, locale))
        in.date = *date;
    else
        reading.unreadable.append(SessionField::txtDate);
    if (const auto time = readSessionTime(p.txtTime))
        in.startTime = *time;
    else
        reading.unreadable.append(SessionField::txtTime);
    readNumberField(p.txtGMTDev, SessionField::txtGMTDev, locale, in.gmtDeviationHours, reading);
    readNumberField(p.txtSessLen, SessionField::txtSessLen, locale, in.sessionLengthHours, reading);
    readNumberField(p.MinElev, SessionField::MinElev, locale, in.minElevDeg, reading);
    readNumberField(p.MinAz, SessionField::MinAz, locale, in.azimuthWindow.minAzDeg, reading);
    readNumberField(p.MaxAz, SessionField::MaxAz, locale, in.azimuthWindow.maxAzDeg, reading);
    readNumberField(p.MinMag, SessionField::MinMag, locale, in.faintestMag, reading);
    readNumberField(p.MinSize, SessionField::MinSize, locale, in.minSizeArcmin, reading);
    readNumberField(p.MaxSize, SessionField::MaxSize, locale, in.maxSizeArcmin, reading);

    in.azimuthWindow.mode = p.Included == QLatin1String("Inclusive") ? AzimuthWindowMode::Inclusive
                                                                    : AzimuthWindowMode::Exclusive;
    in.types = typeFilterFromCheckStates(p.chkNebula, p.chkPlanetary, p.chkGalaxy, p.chkGlobular,
                                         p.chkOpen);
    return reading;
}

QString expectedForm(SessionField field, const QLocale &locale)
{
    switch (field) {
    case SessionField::txtDate:
        return QStringLiteral("Expected a date such as %1")
            .arg(writeSessionDate(QDate(2006, 3, 15), locale));
    case SessionField::txtTime:
        return QStringLiteral("Expected a time as hours:minutes:seconds, such as 21:30:0");
    default:
        return QStringLiteral("Expected a number such as %1").arg(locale.toString(-5.5));
    }
}
