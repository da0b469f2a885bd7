#include "desktop/installeddata.h"
#include "desktop/nocturoicon.h"
#include "ui/common/windowlook.h"
#include "ui/main/nocturo.h"
#include "ui/main/workingfolder.h"
#include "ui/platform/qtplatform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(ApplicationTitle);
    QApplication::setApplicationVersion(applicationVersion());
    QApplication::setWindowIcon(nocturoIcon());
    enterWorkingFolder(app.arguments(), installedDataFolder(), defaultUserDataFolder());

    QtPlatform qtPlatform;
    auto *window = new Nocturo(qtPlatform.platform());
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->Form_Load();
    return app.exec();
}
