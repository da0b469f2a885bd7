#include "formats/observinglistfile.h"

#include "formats/cartesducielreader.h"
#include "formats/csvlistreader.h"
#include "formats/namelistreader.h"
#include "formats/skysafarireader.h"
#include "formats/stellariumreader.h"
#include "formats/textfile.h"

#include <QFileInfo>

namespace {

bool hasSuffix(const QString &fileSuffix, QStringView suffix)
{
    return fileSuffix.compare(suffix, Qt::CaseInsensitive) == 0;
}

}  // namespace

Result<ImportedList> readObservingList(const QString &text, const QString &fileSuffix)
{
    if (isJsonText(text) || hasSuffix(fileSuffix, u"sol"))
        return readStellariumList(text);
    if (isSkySafariList(text) || hasSuffix(fileSuffix, u"skylist"))
        return readSkySafariList(text);
    if (hasSuffix(fileSuffix, u"csv") || hasCsvListHeader(text))
        return readCsvList(text);
    if (hasCartesDuCielPositions(text))
        return readCartesDuCielList(text);
    return readNameList(text);
}

Result<ImportedList> readObservingListFile(const QString &path)
{
    const QFileInfo file(path);
    return parseTextFile<ImportedList>(path, file.fileName(), [&file](const QString &text) {
        return readObservingList(text, file.suffix());
    });
}
