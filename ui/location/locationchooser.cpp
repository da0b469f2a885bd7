#include "ui/location/locationchooser.h"

void showLocationChooser(QPointer<fgetlatlon> &chooser, LocationOwner &owner, Messages &messages,
                         QWidget *mainWindow, const QString &citiesPath)
{
    if (!chooser) {
        chooser = new fgetlatlon(owner, messages, citiesPath, mainWindow);
        chooser->show();
        return;
    }
    chooser->setWindowState(chooser->windowState() & ~Qt::WindowMinimized);
    chooser->raise();
    chooser->activateWindow();
}
