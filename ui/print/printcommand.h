#pragma once

#include "ui/print/printedplan.h"

#include <QLocale>
#include <QPageSize>

class Printing;

// The paper a printer starts with: Letter in the United States and Canada, A4 elsewhere.
QPageSize defaultPaper(const QLocale &locale);

enum class PrintOutcome { Printed, Cancelled, PrinterFailed };

// Prints the plan on the printer, or into the PDF file, the observer chooses, on the paper chosen
// there, in night vision or not as chosen, starting from nightVision.
PrintOutcome printPlan(const PrintedPlan &plan, Printing &printing, const QLocale &locale, bool nightVision);
