// Feeds arbitrary bytes to the defaults reader as if they were a defaults file. Besides
// crashes and sanitizer reports it stops on a broken promise: lines applied in file order
// from line 1, never past line 16, box states 0 to 2 on the box lines only, each line's
// text as the file holds it, and a reading whose account matches what it applied.

#include "io/textfile.h"
#include "ui/settings/defaultsfile.h"

#include <cstdint>

namespace {

struct Applied {
    QStringList texts;
    QList<int> states;
};

Applied readDefaults(const QStringList &lines, DefaultsReading &reading)
{
    Applied applied;
    reading = applyDefaultsLines(lines, [&](int lineNumber, const QString &text, int checkState) {
        if (lineNumber != applied.texts.size() + 1 || lineNumber > DefaultsLineCount)
            __builtin_trap();
        const bool boxLine = lineNumber >= FirstCheckBoxLine && lineNumber <= LastCheckBoxLine;
        if (boxLine ? checkState < 0 || checkState > 2 : checkState != 0)
            __builtin_trap();
        if (text != lines.at(lineNumber - 1))
            __builtin_trap();
        applied.texts.append(text);
        applied.states.append(checkState);
    });
    return applied;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = splitLines(decodeText(bytes));

    DefaultsReading reading;
    const Applied applied = readDefaults(lines, reading);
    const int appliedCount = int(applied.texts.size());
    if (reading.linesApplied != appliedCount)
        __builtin_trap();
    if (reading.ok() != (appliedCount == DefaultsLineCount))
        __builtin_trap();
    if (!reading.ok() && !reading.failure.contains(QStringLiteral("line %1").arg(appliedCount + 1)))
        __builtin_trap();
    if (!reading.ok())
        return 0;

    // A file read whole and written again reads back the same.
    DefaultsReading again;
    const Applied reread = readDefaults(splitLines(defaultsText(applied.texts)), again);
    if (!again.ok() || reread.texts != applied.texts || reread.states != applied.states)
        __builtin_trap();
    return 0;
}
