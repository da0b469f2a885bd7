// Feeds arbitrary bytes to the defaults reader as if they were a defaults file. Besides
// crashes and sanitizer reports it stops on a broken promise: lines applied in file order from
// line 1 and the rest left as they were, box states 0 to 2, each text line's value as the file
// holds it (an optional line it lacks as at a first start), a fault named at the line after the
// last applied, and a file that reads back the same once written again.

#include "formats/defaultsfile.h"
#include "formats/textfile.h"

#include <cstdint>

namespace {

// Every line's value, the horizon's too when it is empty, and the observer's when the file leaves
// them out for being the first values.
QStringList values(const SavedDefaults &defaults)
{
    QStringList lines = splitLines(defaultsText(defaults));
    lines.resize(DefaultsLines.size());
    for (std::size_t index = 0; index < DefaultsLines.size(); ++index) {
        if (DefaultsLines[index].holds == DefaultsLine::Holds::ObserverField)
            lines[qsizetype(index)] = defaults.observer[DefaultsLines[index].observerField];
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = splitLines(decodeText(bytes));
    SavedDefaults defaults, reread;
    const DefaultsReading reading = readDefaultsLines(lines, defaults);
    const int applied = reading.linesApplied, lineCount = int(DefaultsLines.size());
    if (applied < 0 || applied > lineCount || reading.ok() != (applied == lineCount)
        || (!reading.ok() && reading.problem->line != applied + 1))
        __builtin_trap();
    const QStringList read = values(defaults), firstStart = values(SavedDefaults());
    for (int index = 0; index < lineCount; ++index) {
        const bool isBox = DefaultsLines[std::size_t(index)].holds == DefaultsLine::Holds::TypeBox;
        const bool given = index < applied && index < lines.size();
        const QString promised = !given ? firstStart[index] : isBox ? read[index] : lines.value(index);
        if (read[index] != promised || (isBox && !QStringList{"0", "1", "2"}.contains(read[index])))
            __builtin_trap();
    }
    if (reading.ok() && (!readDefaultsLines(splitLines(defaultsText(defaults)), reread).ok() || !(reread == defaults)))
        __builtin_trap();
    return 0;
}
