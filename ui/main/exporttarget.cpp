#include "ui/main/exporttarget.h"

#include <QFileInfo>

#include <algorithm>

namespace {

QString extensionOf(const ExportFormatEntry &entry)
{
    return QString::fromUtf16(entry.extension);
}

ExportFormat formatOf(const QString &path, const QString &nameFilter)
{
    const auto byFilter = std::ranges::find_if(
        ExportFormats, [&nameFilter](const ExportFormatEntry &entry) { return nameFilter == entry.nameFilter; });
    if (byFilter != ExportFormats.end())
        return byFilter->format;
    const QString suffix = QFileInfo(path).suffix();
    const auto byExtension = std::ranges::find_if(ExportFormats, [&suffix](const ExportFormatEntry &entry) {
        return suffix.compare(extensionOf(entry), Qt::CaseInsensitive) == 0;
    });
    return byExtension != ExportFormats.end() ? byExtension->format : ExportFormats.front().format;
}

}  // namespace

FileRequest exportFileRequest(const QString &listName, const QString &initialFolder)
{
    FileRequest request;
    request.purpose = FileRequest::Purpose::Save;
    request.presetName = listName + u'.' + extensionOf(ExportFormats.front());
    request.initialFolder = initialFolder;
    for (const ExportFormatEntry &entry : ExportFormats)
        request.nameFilters << QString::fromUtf16(entry.nameFilter);
    return request;
}

ExportTarget exportTarget(const QString &chosenPath, const QString &nameFilter)
{
    const ExportFormat format = formatOf(chosenPath, nameFilter);
    const QString extension = extensionOf(exportFormatEntry(format));
    const bool hasExtension = QFileInfo(chosenPath).suffix().compare(extension, Qt::CaseInsensitive) == 0;
    return {hasExtension ? chosenPath : chosenPath + u'.' + extension, format};
}
