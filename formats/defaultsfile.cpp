#include "formats/defaultsfile.h"

#include "formats/textfile.h"
#include "plan/fieldnumber.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

std::optional<BoxState> readBoxState(const QString &text)
{
    const auto value = readFieldNumber(text, QLocale());
    if (!value)
        return std::nullopt;
    const double state = std::nearbyint(*value);  // the default rounding mode: half to even
    if (state < 0.0 || state > 2.0)
        return std::nullopt;
    return BoxState(int(state));
}

const QString &textOf(const DefaultsLine &line, const SavedDefaults &defaults)
{
    switch (line.holds) {
    case DefaultsLine::Holds::Field: return defaults.session[line.field];
    case DefaultsLine::Holds::CatalogFile: return defaults.catalogFile;
    case DefaultsLine::Holds::AzimuthMode: return defaults.session.azimuthMode;
    case DefaultsLine::Holds::ObserverField: return defaults.observer[line.observerField];
    case DefaultsLine::Holds::HorizonFile:
    case DefaultsLine::Holds::TypeBox: break;
    }
    return defaults.horizonFile;
}

QString &textOf(const DefaultsLine &line, SavedDefaults &defaults)
{
    return const_cast<QString &>(textOf(line, std::as_const(defaults)));
}

DefaultsReading refused(DefaultsReading reading, int lineNumber, const QString &text, const QString &needed)
{
    reading.problem = Problem::onLine(
        lineNumber, QStringLiteral("line %1 reads \"%2\", but %3").arg(QString::number(lineNumber), text, needed));
    return reading;
}

}  // namespace

std::optional<int> defaultsLineOf(SessionField field)
{
    const auto holds = [field](const DefaultsLine &line) {
        return line.holds == DefaultsLine::Holds::Field && line.field == field;
    };
    const auto found = std::ranges::find_if(DefaultsLines, holds);
    return found == DefaultsLines.end() ? std::nullopt : std::optional(int(found - DefaultsLines.begin()) + 1);
}

int defaultsLineOf(ObserverField field)
{
    const auto holds = [field](const DefaultsLine &line) {
        return line.holds == DefaultsLine::Holds::ObserverField && line.observerField == field;
    };
    return int(std::ranges::find_if(DefaultsLines, holds) - DefaultsLines.begin()) + 1;
}

QString defaultsText(const SavedDefaults &defaults)
{
    const bool zoneKept = !defaults.session[SessionField::TimeZone].isEmpty();
    const bool observerKept = defaults.observer != ObserverTexts() || zoneKept;
    QStringList lines;
    for (const DefaultsLine &line : DefaultsLines) {
        if (line.holds == DefaultsLine::Holds::HorizonFile && defaults.horizonFile.isEmpty() && !observerKept)
            break;
        if (line.holds == DefaultsLine::Holds::ObserverField && !observerKept)
            break;
        if (line.holds == DefaultsLine::Holds::Field && line.field == SessionField::TimeZone && !zoneKept)
            break;
        lines.append(line.holds == DefaultsLine::Holds::TypeBox ? QString::number(int(defaults.session[line.type]))
                                                                : textOf(line, defaults));
    }
    return joinLinesCrLf(lines);
}

DefaultsReading readDefaultsLines(const QStringList &lines, SavedDefaults &defaults)
{
    DefaultsReading reading;
    for (int index = 0; index < int(DefaultsLines.size()); ++index) {
        const int lineNumber = index + 1;
        if (index >= lines.size() && lineNumber <= RequiredDefaultsLines) {
            reading.problem = Problem::onLine(lineNumber, QStringLiteral("line %1 is missing: the file has %2 lines, %3 are needed")
                                                  .arg(lineNumber).arg(lines.size()).arg(RequiredDefaultsLines));
            return reading;
        }
        const DefaultsLine &line = DefaultsLines[index];
        // An optional line that is absent reads as empty, an observer's as its first value.
        const QString text = index < lines.size() || line.holds != DefaultsLine::Holds::ObserverField
                                 ? lines.value(index)
                                 : ObserverTexts()[line.observerField];
        if (line.holds == DefaultsLine::Holds::TypeBox) {
            const auto state = readBoxState(text);
            if (!state)
                return refused(reading, lineNumber, text, QStringLiteral("a type box needs 0, 1 or 2"));
            defaults.session[line.type] = *state;
        } else if (line.holds == DefaultsLine::Holds::AzimuthMode && text != InclusiveCaption && text != ExclusiveCaption) {
            return refused(reading, lineNumber, text,
                           QStringLiteral("the azimuth mode is %1 or %2").arg(InclusiveCaption, ExclusiveCaption));
        } else {
            textOf(line, defaults) = text;
        }
        reading.linesApplied = lineNumber;
    }
    return reading;
}
