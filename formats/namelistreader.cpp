#include "formats/namelistreader.h"

#include "formats/textfile.h"

ImportedList readNameList(QStringView text)
{
    ImportedList list;
    list.firstEntryMayBeTitle = true;
    int lineNumber = 0;
    for (LineReader reader(text); !reader.atEnd();) {
        const QStringView line = reader.next().trimmed();
        ++lineNumber;
        if (!line.isEmpty() && !line.startsWith(u'#'))
            list.entries.append({QStringList{line.toString()}, lineNumber});
    }
    return list;
}
