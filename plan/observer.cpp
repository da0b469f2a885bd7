#include "plan/observer.h"

#include "plan/fieldnumber.h"

#include <QRegularExpression>

namespace {

// The field's number, or its magnifications' count, into the observer; false when it cannot be read.
bool readField(const ObserverFieldEntry &entry, const QString &text, const QLocale &locale, SkyAndTelescope &observer)
{
    if (entry.field == ObserverField::Magnifications) {
        static const QRegularExpression separators(QStringLiteral("[\\s;]+"));
        const auto magnifications = readMagnifications(text.split(separators, Qt::SkipEmptyParts), locale);
        if (magnifications)
            observer.telescope.magnifications = *magnifications;
        return magnifications.has_value();
    }
    const auto value = readFieldNumberWithin(text, locale, entry.minValue, entry.maxValue);
    if (!value)
        return false;
    switch (entry.field) {
    case ObserverField::ZenithSkyBrightness: observer.sky.zenithMagPerArcsec2 = *value; break;
    case ObserverField::Extinction: observer.sky.extinctionPerAirmass = *value; break;
    case ObserverField::Aperture: observer.telescope.apertureMm = *value; break;
    case ObserverField::Magnifications: break;
    }
    return true;
}

}  // namespace

ObserverTexts::ObserverTexts()
{
    for (const ObserverFieldEntry &entry : ObserverFields)
        (*this)[entry.field] = QString::fromUtf16(entry.firstValue);
}

std::optional<std::vector<double>> readMagnifications(const QStringList &values, const QLocale &locale)
{
    if (values.isEmpty() || values.size() > MostMagnifications)
        return std::nullopt;
    const ObserverFieldEntry &entry = observerFieldEntry(ObserverField::Magnifications);
    std::vector<double> magnifications;
    for (const QString &text : values) {
        const auto value = readFieldNumberWithin(text, locale, entry.minValue, entry.maxValue);
        if (!value)
            return std::nullopt;
        magnifications.push_back(*value);
    }
    return magnifications;
}

Result<SkyAndTelescope> readSkyAndTelescope(const ObserverTexts &texts, const QLocale &locale)
{
    SkyAndTelescope observer;
    QList<Problem> problems;
    for (const ObserverFieldEntry &entry : ObserverFields) {
        if (!readField(entry, texts[entry.field], locale, observer))
            problems.append(Problem{{}, 0, std::nullopt, expectedObserverValue(entry.field, locale), entry.field});
    }
    if (!problems.isEmpty())
        return problems;
    return observer;
}

SkyAndTelescope firstSkyAndTelescope()
{
    return readSkyAndTelescope(ObserverTexts(), QLocale::c()).value();
}

QString expectedObserverValue(ObserverField field, const QLocale &locale)
{
    const ObserverFieldEntry &entry = observerFieldEntry(field);
    const QString separators = field == ObserverField::Magnifications ? QStringLiteral(" separated by blanks") : QString();
    return QStringLiteral("Expected %1%2, such as %3")
        .arg(QString::fromUtf16(entry.unitWording).arg(locale.toString(entry.minValue), locale.toString(entry.maxValue)),
             separators, locale.toString(entry.example));
}
