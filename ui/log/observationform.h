#pragma once

#include "plan/observation.h"

#include <QWidget>

class QComboBox;
class QDateTimeEdit;
class QDoubleSpinBox;
class QPlainTextEdit;

// Log › Mark Observed: one observation of one object, prefilled as the session suggests it, for
// the observer to correct before it goes into the log. A window beside the main window, never
// modal; OK hands the observation on, Cancel drops it.
class ObservationForm : public QWidget {
    Q_OBJECT

public:
    ObservationForm(const Observation &draft, QWidget *parent);

signals:
    void recorded(const Observation &observation);

private:
    void createControls();
    Observation observation() const;

    Observation m_draft;
    QDateTimeEdit *m_localTime = nullptr;
    QDoubleSpinBox *m_gmtDeviation = nullptr;
    QDoubleSpinBox *m_latitude = nullptr;
    QDoubleSpinBox *m_longitude = nullptr;
    QDoubleSpinBox *m_aperture = nullptr;
    QDoubleSpinBox *m_magnification = nullptr;
    QDoubleSpinBox *m_sky = nullptr;
    QComboBox *m_seeing = nullptr;
    QComboBox *m_verdict = nullptr;
    QPlainTextEdit *m_notes = nullptr;
};
