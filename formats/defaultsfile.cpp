#include "formats/defaultsfile.h"

#include "formats/textfile.h"
#include "plan/fieldnumber.h"

#include <QLocale>

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
    case DefaultsLine::Holds::HorizonFile:
    case DefaultsLine::Holds::TypeBox: break;
    }
    return defaults.horizonFile;
}

QString &textOf(const DefaultsLine &line, SavedDefaults &defaults)
{
    return const_cast<QString &>(textOf(line, std::as_const(defaults)));
}

}  // namespace

QString defaultsText(const SavedDefaults &defaults)
{
    QStringList lines;
    for (const DefaultsLine &line : DefaultsLines) {
        if (line.holds == DefaultsLine::Holds::HorizonFile && defaults.horizonFile.isEmpty())
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
        const QString text = lines.value(index);  // an optional line that is absent reads as empty
        if (line.holds != DefaultsLine::Holds::TypeBox) {
            textOf(line, defaults) = text;
        } else if (const auto state = readBoxState(text)) {
            defaults.session[line.type] = *state;
        } else {
            reading.problem = Problem::onLine(lineNumber, QStringLiteral("line %1 reads \"%2\", but a type box needs 0, 1 or 2")
                                                  .arg(lineNumber).arg(text));
            return reading;
        }
        reading.linesApplied = lineNumber;
    }
    return reading;
}
