#include "ui/print/printcommand.h"

#include "plan/application.h"
#include "ui/platform/printing.h"
#include "ui/print/plandocument.h"

#include <QPainter>
#include <QPrinter>

QPageSize defaultPaper(const QLocale &locale)
{
    const bool letterPaper = locale.territory() == QLocale::UnitedStates || locale.territory() == QLocale::Canada;
    return QPageSize(letterPaper ? QPageSize::Letter : QPageSize::A4);
}

// The pages take the whole paper, margins and all, so that night vision blackens it to the
// edges; the document keeps its own margins.
PrintOutcome printPlan(const PrintedPlan &plan, Printing &printing, const QLocale &locale, bool nightVision)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("%1 Observing Plan").arg(ApplicationTitle));
    printer.setPageSize(defaultPaper(locale));
    printer.setFullPage(true);
    const PrintChoice choice = printing.choosePrinter(printer, nightVision);
    if (choice.cancelled)
        return PrintOutcome::Cancelled;
    const PlanDocument document(plan, printer.pageLayout().fullRect(QPageLayout::Point).size(), choice.nightVision);
    QPainter painter;
    if (!painter.begin(&printer))
        return PrintOutcome::PrinterFailed;
    const double pixelsPerPoint = printer.resolution() / 72.0;
    painter.scale(pixelsPerPoint, pixelsPerPoint);
    for (int page = 0; page < document.pageCount(); ++page) {
        if (page > 0)
            printer.newPage();
        document.paintPage(painter, page);
    }
    return painter.end() ? PrintOutcome::Printed : PrintOutcome::PrinterFailed;
}
