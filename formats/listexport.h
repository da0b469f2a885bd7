#pragma once

#include "plan/listcolumns.h"

#include <QDateTime>
#include <QString>

#include <array>
#include <optional>
#include <vector>

// The observing list in the files other observing programs read, for the night at the
// eyepiece: SkySafari, Stellarium, Cartes du Ciel, and a spreadsheet.
enum class ExportFormat { SkySafari, Stellarium, CartesDuCiel, Csv };

struct ExportFormatEntry {
    ExportFormat format;
    const char16_t *name;        // as the command line names it
    const char16_t *extension;   // without the dot
    const char16_t *nameFilter;  // the save dialog's
};

inline constexpr std::array<ExportFormatEntry, 4> ExportFormats = {{
    {ExportFormat::SkySafari, u"skylist", u"skylist", u"SkySafari observing lists (*.skylist)"},
    {ExportFormat::Stellarium, u"stellarium", u"sol", u"Stellarium observing lists (*.sol)"},
    {ExportFormat::CartesDuCiel, u"cdc", u"txt", u"Cartes du Ciel lists (*.txt)"},
    {ExportFormat::Csv, u"csv", u"csv", u"Comma-separated files with a header (*.csv)"},
}};

const ExportFormatEntry &exportFormatEntry(ExportFormat format);
std::optional<ExportFormat> exportFormatNamed(QStringView name);

// What is exported: the list's rows in the order given (the grid's), and what some formats add.
struct ListExport {
    const ObservingList &list;
    std::vector<int> order;
    QList<ListColumn> columns;  // the columns the grid shows, which the CSV file writes
    QString name;               // Stellarium's list name, Cartes du Ciel's title line
    QDateTime created;          // Stellarium's creation and last edit
};

// "Nocturo 2006-03-15", after the session's date.
QString defaultListName(const Session &session);

// The file's whole text; every format ends its lines in CR LF.
QString exportedList(ExportFormat format, const ListExport &exported);
