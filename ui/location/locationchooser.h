#pragma once

#include "formats/citiesfile.h"

#include <QList>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <optional>

class CityTableModel;
class LocationOwner;
class Messages;
class QLineEdit;
class QTableView;

// The "Set Location" window: a table of cities from the cities file and two fields for the
// observer's latitude and longitude. A double click on a city, or Enter on it, copies its
// coordinates into the fields, which the user may also edit by hand; "Update" hands the two
// texts to the main window and has it regenerate the list; "Cancel" changes nothing. Either, like
// closing by the frame, discards the window. The city table grows with the window.
//
// It is a top-level window that does not block its owner: open it through
// showLocationChooser(), which keeps it to one.
class LocationChooser : public QWidget {
    Q_OBJECT

public:
    // Reads the cities file at once: a new window always shows the file as it is now. A file that
    // cannot be read is explained in a message, over an empty table.
    LocationChooser(LocationOwner &owner, Messages &messages, const QString &citiesPath = DefaultCitiesFile,
                    QWidget *parent = nullptr);

protected:
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void takeCurrentCity();
    void applyLocation();

private:
    void createControls();
    void showCities(const QString &citiesPath);

    LocationOwner &m_owner;
    Messages &m_messages;
    QTableView *m_cityTable = nullptr;
    CityTableModel *m_cities = nullptr;
    QLineEdit *m_latitudeField = nullptr;
    QLineEdit *m_longitudeField = nullptr;
    std::optional<QString> m_chosenZone;  // the city's, until a coordinate is typed by hand
    QList<QPair<QWidget *, QRect>> m_besideTable;  // the controls right of the table, at design size
};

// What "Set Your Location" does: there is at most one chooser. When `chooser` holds none, a new
// one is made (reading the cities file) and shown centred on the main window, which stays usable.
// When one is open it is only brought to the front, restored when minimised: the file is not read
// again and the fields keep what the user typed. The pointer empties by itself when the window is
// discarded.
//
// The chooser is a window of its own but a child of mainWindow, so that it never outlives the
// owner it writes to.
void showLocationChooser(QPointer<LocationChooser> &chooser, LocationOwner &owner, Messages &messages,
                         QWidget *mainWindow, const QString &citiesPath = DefaultCitiesFile);
