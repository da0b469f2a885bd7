#pragma once

#include "formats/citiesfile.h"

#include <QWidget>

#include <array>

class FlexGrid;
class LocationOwner;
class Messages;
class QLabel;
class QLineEdit;
class QPushButton;

// The "Set Location" window: a table of cities from the cities file and two fields for the
// observer's latitude and longitude. A double click on a city, or Enter on it, copies its
// coordinates into the fields, which the user may also edit by hand; "Update" hands the two
// texts to the main window and has it regenerate the list; "Cancel" changes nothing. Either, like
// closing by the frame, discards the window. The city table grows with the window.
//
// It is a top-level window that does not block its owner: open it through
// showLocationChooser(), which keeps it to one.
class fgetlatlon : public QWidget {
    Q_OBJECT

public:
    // Reads the cities file at once: a new window always shows the file as it is now. A file that
    // cannot be read is explained in a message, over an empty table.
    fgetlatlon(LocationOwner &owner, Messages &messages, const QString &citiesPath = DefaultCitiesFile,
               QWidget *parent = nullptr);

protected:
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void gCities_DblClick();
    void Command2_Click();
    void Command1_Click();

private:
    void createControls();
    void Form_Load(const QString &citiesPath);
    void loadCities(const QString &citiesPath);
    void takeCurrentCity();

    LocationOwner &m_owner;
    Messages &m_messages;
    FlexGrid *gCities;
    std::array<QLabel *, 3> Label1;
    QLineEdit *Lat;
    QLineEdit *Lon;
    QPushButton *Command2;
    QPushButton *Command1;
    QList<QPair<QWidget *, QRect>> m_rightPanel;  // the controls beside the table, at design size
};
