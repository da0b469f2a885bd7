// Feeds arbitrary bytes to the defaults reader as if they were a defaults file. Besides
// crashes and sanitizer reports it stops on a broken promise: lines applied in file order
// from line 1, never past the last line the file can have, box states 0 to 2, each text line's
// value as the file holds it, a reading whose account matches what it applied, and a file that
// reads back the same once written again.

#include "formats/textfile.h"
#include "formats/defaultsfile.h"

#include <cstdint>

namespace {

SavedDefaults readDefaults(const QStringList &lines, DefaultsReading &reading)
{
    SavedDefaults defaults;
    int expectedIndex = 0;
    reading = readDefaultsLines(lines, defaults, [&](const DefaultsLine &line) {
        if (expectedIndex >= int(DefaultsLines.size()) || &line != &DefaultsLines[expectedIndex]
            || (line.text ? defaults.*line.text != lines.value(expectedIndex)
                          : defaults.*line.boxState < 0 || defaults.*line.boxState > 2))
            __builtin_trap();
        ++expectedIndex;
    });
    if (reading.linesApplied != expectedIndex)
        __builtin_trap();
    return defaults;
}

QStringList values(const SavedDefaults &defaults)
{
    QStringList texts;
    for (const DefaultsLine &line : DefaultsLines)
        texts << (line.text ? defaults.*line.text : QString::number(defaults.*line.boxState));
    return texts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = splitLines(decodeText(bytes));

    DefaultsReading reading;
    const SavedDefaults defaults = readDefaults(lines, reading);
    if (reading.ok() != (reading.linesApplied == int(DefaultsLines.size()))
        || (!reading.ok() && !reading.problem.contains(QStringLiteral("line %1").arg(reading.linesApplied + 1))))
        __builtin_trap();
    // Only a line break in a value could split it; the window keeps every value on one line.
    if (!reading.ok() || values(defaults).join(QString()).contains(u'\r'))
        return 0;

    DefaultsReading again;
    const SavedDefaults reread = readDefaults(splitLines(defaultsText(defaults)), again);
    if (!again.ok() || values(reread) != values(defaults))
        __builtin_trap();
    return 0;
}
