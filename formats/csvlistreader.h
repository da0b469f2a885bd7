#pragma once

#include "plan/importedlist.h"
#include "plan/problem.h"

#include <QStringView>

// A table of objects (.csv) whose header names a column Identifier, Designation, Object or Name
// (in any case). Fields are separated by commas, or by semicolons or tabs where the header is so
// separated, as spreadsheets write them under locales whose decimal sign is a comma; quoting as
// RFC 4180 has it: a quoted field may hold the separator, a line end and "" for a quote. An
// entry's names are those columns' values in this order; its line is the one its row starts on.
// A header that names none of them is a problem.
Result<ImportedList> readCsvList(QStringView text);

// Whether the first line is such a header with more than one column.
bool hasCsvListHeader(QStringView text);
