#include "ui/settings/defaultsfile.h"

#include "io/textfile.h"

#include <QLocale>

#include <cmath>
#include <optional>

namespace {

std::optional<int> readCheckState(const QString &text)
{
    bool ok = false;
    double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok)
        value = QLocale().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const double state = std::nearbyint(value);  // the default rounding mode: half to even
    if (state < 0.0 || state > 2.0)
        return std::nullopt;
    return int(state);
}

}  // namespace

QString defaultsFileName()
{
    return QStringLiteral("defaults.txt");
}

QString defaultsText(const QStringList &values)
{
    return joinLinesCrLf(values);
}

DefaultsReading applyDefaultsLines(const QStringList &lines,
                                   const std::function<void(int, const QString &, int)> &apply)
{
    DefaultsReading reading;
    for (int lineNumber = 1; lineNumber <= DefaultsLineCount; ++lineNumber) {
        if (lineNumber > lines.size()) {
            reading.failure = QStringLiteral("line %1 is missing: the file has %2 lines, %3 are needed")
                                  .arg(lineNumber).arg(lines.size()).arg(DefaultsLineCount);
            return reading;
        }
        const QString &text = lines.at(lineNumber - 1);
        int checkState = 0;
        if (lineNumber >= FirstCheckBoxLine && lineNumber <= LastCheckBoxLine) {
            const auto state = readCheckState(text);
            if (!state) {
                reading.failure = QStringLiteral("line %1 reads \"%2\", but a type box needs 0, 1 or 2")
                                      .arg(lineNumber).arg(text);
                return reading;
            }
            checkState = *state;
        }
        apply(lineNumber, text, checkState);
        reading.linesApplied = lineNumber;
    }
    return reading;
}
