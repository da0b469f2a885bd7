#include "formats/defaultsfile.h"

#include "plan/fieldnumber.h"
#include "formats/textfile.h"

#include <QLocale>

#include <cmath>
#include <optional>

namespace {

std::optional<int> readBoxState(const QString &text)
{
    const auto value = readFieldNumber(text, QLocale());
    if (!value)
        return std::nullopt;
    const double state = std::nearbyint(*value);  // the default rounding mode: half to even
    if (state < 0.0 || state > 2.0)
        return std::nullopt;
    return int(state);
}

}  // namespace

QString defaultsFileName()
{
    return QStringLiteral("defaults.txt");
}

QString defaultsText(const SavedDefaults &defaults)
{
    QStringList lines;
    for (const DefaultsLine &line : DefaultsLines) {
        if (line.text == &SavedDefaults::HorizonProfile && defaults.HorizonProfile.isEmpty())
            break;
        lines.append(line.text ? defaults.*line.text : QString::number(defaults.*line.boxState));
    }
    return joinLinesCrLf(lines);
}

DefaultsReading readDefaultsLines(const QStringList &lines, SavedDefaults &defaults,
                                  const std::function<void(const DefaultsLine &)> &applied)
{
    DefaultsReading reading;
    for (int index = 0; index < int(DefaultsLines.size()); ++index) {
        const int lineNumber = index + 1;
        if (index >= lines.size() && lineNumber <= RequiredDefaultsLines) {
            reading.problem = QStringLiteral("line %1 is missing: the file has %2 lines, %3 are needed")
                                  .arg(lineNumber).arg(lines.size()).arg(RequiredDefaultsLines);
            return reading;
        }
        const DefaultsLine &line = DefaultsLines[index];
        const QString text = lines.value(index);  // an optional line that is absent reads as empty
        if (line.text) {
            defaults.*line.text = text;
        } else if (const auto state = readBoxState(text)) {
            defaults.*line.boxState = *state;
        } else {
            reading.problem = QStringLiteral("line %1 reads \"%2\", but a type box needs 0, 1 or 2")
                                  .arg(lineNumber).arg(text);
            return reading;
        }
        if (applied)
            applied(line);
        reading.linesApplied = lineNumber;
    }
    return reading;
}
