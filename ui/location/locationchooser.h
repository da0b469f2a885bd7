#pragma once

#include "formats/citiesfile.h"
#include "ui/location/fgetlatlon.h"

#include <QPointer>

class LocationOwner;
class Messages;
class QWidget;

// What "Set Your Location" does: there is at most one chooser. When `chooser` holds none, a new
// one is made (reading the cities file) and shown beside the main window, which stays usable.
// When one is open it is only brought to the front, restored when minimised: the file is not read again and the fields
// keep what the user typed. The pointer empties by itself when the window is discarded.
//
// The chooser is a window of its own but a child of mainWindow, so that it never outlives the
// owner it writes to.
void showLocationChooser(QPointer<fgetlatlon> &chooser, LocationOwner &owner, Messages &messages,
                         QWidget *mainWindow, const QString &citiesPath = DefaultCitiesFile);
