#include "formats/listexport.h"

#include "formats/cartesducielist.h"
#include "formats/csvlist.h"
#include "formats/skysafarilist.h"
#include "formats/stellariumlist.h"

#include <QDate>

#include <algorithm>

const ExportFormatEntry &exportFormatEntry(ExportFormat format)
{
    return ExportFormats[std::size_t(format)];
}

std::optional<ExportFormat> exportFormatNamed(QStringView name)
{
    const auto entry = std::ranges::find_if(ExportFormats, [name](const ExportFormatEntry &entry) {
        return name == QStringView(entry.name);
    });
    return entry == ExportFormats.end() ? std::nullopt : std::optional(entry->format);
}

QString defaultListName(const Session &session)
{
    const QDate date(session.date.year, session.date.month, session.date.day);
    return QStringLiteral("Nocturo %1").arg(date.toString(Qt::ISODate));
}

QString exportedList(ExportFormat format, const ListExport &exported)
{
    switch (format) {
    case ExportFormat::SkySafari:
        return skySafariList(exported.list, exported.order);
    case ExportFormat::Stellarium:
        return stellariumList(exported.list, exported.order, exported.name, exported.created);
    case ExportFormat::CartesDuCiel:
        return cartesDuCielList(exported.list, exported.order, exported.name);
    case ExportFormat::Csv:
        return csvList(exported.list, exported.order, exported.columns);
    }
    return {};
}
