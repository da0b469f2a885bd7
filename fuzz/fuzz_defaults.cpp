// Feeds arbitrary bytes to the defaults reader as if they were a defaults file. Besides
// crashes and sanitizer reports it stops on a broken promise: lines applied in file order from
// line 1 and the rest left as they were, box states 0 to 2, each text line's value as the file
// holds it, a fault named at the line after the last applied, and a file that reads back the same
// once written again.

#include "formats/defaultsfile.h"
#include "formats/textfile.h"

#include <cstdint>

namespace {

// Every line's value, the horizon's too when it is empty.
QStringList values(const SavedDefaults &defaults)
{
    QStringList lines = splitLines(defaultsText(defaults));
    lines.resize(DefaultsLines.size());
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
        const QString promised = index >= applied ? firstStart[index] : isBox ? read[index] : lines.value(index);
        if (read[index] != promised || (isBox && !QStringList{"0", "1", "2"}.contains(read[index])))
            __builtin_trap();
    }
    if (reading.ok() && (!readDefaultsLines(splitLines(defaultsText(defaults)), reread).ok() || !(reread == defaults)))
        __builtin_trap();
    return 0;
}
