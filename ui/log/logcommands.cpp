#include "ui/log/logcommands.h"

#include "formats/observationlog.h"
#include "plan/observationdraft.h"
#include "plan/planner.h"
#include "ui/log/logwindow.h"
#include "ui/log/observationform.h"
#include "ui/platform/messages.h"

#include <QFileInfo>

namespace {

const QString Title = QStringLiteral("Observing Log");

}  // namespace

LogCommands::LogCommands(Planner &planner, Messages &messages, QWidget *window)
    : m_planner(planner)
    , m_messages(messages)
    , m_window(window)
{
}

LogCommands::~LogCommands() = default;

void LogCommands::readExisting()
{
    if (QFileInfo::exists(ObservationLogFile) && openLog())
        showObservedDates();
}

bool LogCommands::openLog()
{
    if (m_log)
        return true;
    Result<std::unique_ptr<ObservationLog>> opened = ObservationLog::open(ObservationLogFile);
    if (!opened.ok()) {
        warn(QStringLiteral("%1. The list works on without the log.").arg(problemText(opened.problem())));
        return false;
    }
    m_log = std::move(opened.value());
    return true;
}

void LogCommands::markObserved(const ListedObject &row)
{
    if (m_form)
        m_form->close();
    const Observation draft = observationDraft(row, m_planner.list().session, m_planner.skyAndTelescope());
    m_form = new ObservationForm(draft, m_window);
    m_form->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_form, &ObservationForm::recorded, this, &LogCommands::keep);
    m_form->show();
}

void LogCommands::keep(const Observation &observation)
{
    if (!openLog())
        return;
    const Result<QList<qint64>> added = m_log->add({observation});
    if (!added.ok()) {
        warn(QStringLiteral("The observation was not kept. %1.").arg(problemText(added.problem())));
        return;
    }
    if (m_logWindow)
        m_logWindow->reload();
    showObservedDates();
}

void LogCommands::showLog()
{
    if (!QFileInfo::exists(ObservationLogFile) && !m_log) {
        m_messages.showMessage(Title, QStringLiteral("The observing log is empty: Log \u203a Mark Observed adds the "
                                                     "selected object to it."));
        return;
    }
    if (!openLog())
        return;
    if (!m_logWindow) {
        m_logWindow = new LogWindow(*m_log, m_messages, m_window);
        m_logWindow->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_logWindow, &LogWindow::logChanged, this, &LogCommands::showObservedDates);
    }
    m_logWindow->show();
    m_logWindow->raise();
}

void LogCommands::showObservedDates()
{
    const Result<QHash<QString, QDate>> dates = m_log->lastObservedDates();
    if (!dates.ok()) {
        warn(QStringLiteral("%1.").arg(problemText(dates.problem())));
        return;
    }
    m_planner.setObservedDates(dates.value());
}

void LogCommands::warn(const QString &text)
{
    m_messages.showWarning(Title, text);
}
