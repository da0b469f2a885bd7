#include "formats/cartesducielreader.h"

#include "formats/textfile.h"

#include <QLocale>

namespace {

// The columns of a line, counted from 0.
constexpr qsizetype NameStart = 0, NameWidth = 32;
constexpr qsizetype RaStart = 32, DecStart = 42, DegreesWidth = 10;
constexpr qsizetype CatalogNameStart = 52, CatalogNameWidth = 32;

QStringView column(QStringView line, qsizetype start, qsizetype width)
{
    return start < line.size() ? line.sliced(start, std::min(width, line.size() - start)).trimmed() : QStringView();
}

bool isDegrees(QStringView text)
{
    bool ok = false;
    QLocale::c().toDouble(text, &ok);
    return ok;
}

bool holdsPosition(QStringView line)
{
    return isDegrees(column(line, RaStart, DegreesWidth)) && isDegrees(column(line, DecStart, DegreesWidth));
}

}  // namespace

bool hasCartesDuCielPositions(QStringView text)
{
    LineReader reader(text);
    if (!reader.atEnd())
        reader.next();  // the title
    while (!reader.atEnd()) {
        if (holdsPosition(reader.next()))
            return true;
    }
    return false;
}

ImportedList readCartesDuCielList(QStringView text)
{
    ImportedList list;
    LineReader reader(text);
    if (!reader.atEnd())
        list.title = reader.next().trimmed().toString();
    for (int lineNumber = 2; !reader.atEnd(); ++lineNumber) {
        const QStringView line = reader.next();
        if (line.trimmed().isEmpty())
            continue;
        QStringList names;
        for (const QStringView name : {column(line, NameStart, NameWidth), column(line, CatalogNameStart, CatalogNameWidth)}) {
            if (!name.isEmpty() && !names.contains(name))
                names << name.toString();
        }
        list.entries.append({names, lineNumber});
    }
    return list;
}
