#pragma once

#include "plan/observation.h"

#include <QAbstractTableModel>
#include <QLocale>

#include <functional>

// The observing log as a table: one row per observation, oldest first; only the notes can be
// edited, and an edit stands only when saveNotes keeps it. Sorting uses each cell's value
// (Qt::UserRole), so that times sort by their instant and numbers by their size.
class ObservationTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using SaveNotes = std::function<bool(qint64 id, const QString &notes)>;

    ObservationTableModel(const QLocale &locale, SaveNotes saveNotes, QObject *parent = nullptr);

    void setObservations(const QList<Observation> &observations);
    const Observation &observationAt(int row) const { return m_observations.at(row); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

private:
    QString cellText(const Observation &observation, int column) const;
    QVariant cellValue(const Observation &observation, int column) const;

    QLocale m_locale;
    SaveNotes m_saveNotes;
    QList<Observation> m_observations;
};
