#include "ui/log/logwindow.h"

#include "formats/observationlog.h"
#include "plan/localtime.h"
#include "ui/common/windowlook.h"
#include "ui/log/observationtablemodel.h"
#include "ui/platform/messages.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString Title = QStringLiteral("Observing Log");

}  // namespace

LogWindow::LogWindow(ObservationLog &log, Messages &messages, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_log(log)
    , m_messages(messages)
{
    setWindowTitle(Title);
    setFont(windowFont());
    m_model = new ObservationTableModel(locale(), [this](qint64 id, const QString &notes) { return saveNotes(id, notes); },
                                       this);
    m_sorted = new QSortFilterProxyModel(this);
    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(Qt::UserRole);
    m_table = new QTableView;
    m_table->setModel(m_sorted);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(-1, Qt::AscendingOrder);  // the log's own order, oldest first, until a heading is clicked
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->horizontalHeader()->setStretchLastSection(true);

    auto *deleteButton = new QPushButton(QStringLiteral("Delete Observation..."));
    connect(deleteButton, &QPushButton::clicked, this, &LogWindow::deleteSelected);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(deleteButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addLayout(buttons);
    resize(900, 400);
    reload();
}

void LogWindow::reload()
{
    const Result<QList<Observation>> observations = m_log.observations();
    if (!observations.ok()) {
        m_messages.showWarning(Title, problemText(observations.problem()) + u'.');
        return;
    }
    m_model->setObservations(observations.value());
    m_table->resizeColumnsToContents();
}

bool LogWindow::saveNotes(qint64 id, const QString &notes)
{
    if (const std::optional<Problem> problem = m_log.setNotes(id, notes)) {
        m_messages.showWarning(Title, QStringLiteral("The notes were not saved. %1.").arg(problemText(*problem)));
        return false;
    }
    emit logChanged();
    return true;
}

void LogWindow::deleteSelected()
{
    const QModelIndexList selected = m_table->selectionModel()->selectedRows();
    if (selected.isEmpty()) {
        m_messages.showMessage(Title, QStringLiteral("Select the observation to delete first."));
        return;
    }
    const Observation &observation = m_model->observationAt(m_sorted->mapToSource(selected.first()).row());
    const QString question = QStringLiteral("Delete the observation of %1 at %2? It cannot be brought back.")
                                 .arg(observation.objectIdentifier, observation.localTime.toString(DateAndClockFormat));
    if (!m_messages.confirm(Title, question))
        return;
    if (const std::optional<Problem> problem = m_log.remove(observation.id)) {
        m_messages.showWarning(Title, QStringLiteral("Nothing was deleted. %1.").arg(problemText(*problem)));
        return;
    }
    reload();
    emit logChanged();
}
