#pragma once

#include <QWidget>

class Messages;
class ObservationLog;
class ObservationTableModel;
class QSortFilterProxyModel;
class QTableView;

// Log › Show Log: every observation in a sortable table, whose notes can be edited in place, and
// "Delete Observation..." for the selected one, asked before. Each change goes to the log at once;
// what the log refuses is said in a warning and is not shown as done.
class LogWindow : public QWidget {
    Q_OBJECT

public:
    LogWindow(ObservationLog &log, Messages &messages, QWidget *parent);

    // Reads the log again, after an observation was added elsewhere.
    void reload();

signals:
    // An observation was deleted or its notes changed.
    void logChanged();

private:
    bool saveNotes(qint64 id, const QString &notes);
    void deleteSelected();

    ObservationLog &m_log;
    Messages &m_messages;
    ObservationTableModel *m_model = nullptr;
    QSortFilterProxyModel *m_sorted = nullptr;
    QTableView *m_table = nullptr;
};
