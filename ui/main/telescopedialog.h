#pragma once

#include "plan/observerfield.h"

#include <QPointer>
#include <QWidget>

#include <array>

class Planner;
class QComboBox;
class QLabel;
class QLineEdit;

// "Telescope and Sky": the observer's zenith sky brightness, extinction, aperture and
// magnifications, as the planner reads them for what each object shows. A sky-quality reading can
// be worked out from a naked-eye limiting magnitude or a Bortle class; the window says which
// relation or table gave it. OK hands the fields to the planner when every one can be read, and
// marks those that cannot, as the main window marks its own; Cancel leaves the planner as it was.
// It is a window beside the main window, never modal.
class TelescopeDialog : public QWidget {
    Q_OBJECT

public:
    TelescopeDialog(Planner &planner, QWidget *parent);

private:
    void createControls();
    void estimateSkyQuality();
    void accept();

    Planner &m_planner;
    std::array<QLineEdit *, ObserverFieldCount> m_fields{};
    QLineEdit *m_estimateInput = nullptr;
    QComboBox *m_estimateKind = nullptr;
    QLabel *m_estimateNote = nullptr;
};

// What Edit › Telescope and Sky… does: one window at a time, showing the planner's fields as they
// are; when one is open it is brought to the front with what the observer typed.
void showTelescopeDialog(QPointer<TelescopeDialog> &dialog, Planner &planner, QWidget *mainWindow);
