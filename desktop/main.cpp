#include "cli/commandline.h"
#include "formats/installeddata.h"
#include "desktop/nocturoicon.h"
#include "ui/common/nightvision.h"
#include "ui/common/windowlook.h"
#include "ui/main/mainwindow.h"
#include "formats/workingfolder.h"
#include "ui/platform/qtplatform.h"

#include <QApplication>
#include <QFile>

#include <cstdio>

namespace {

// A command from a shell needs no display, so it never starts the window system.
int runCommand(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QFile out;
    QFile err;
    out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    return runCommandLine(app.arguments(), out, err);
}

}  // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (isCommandLine(arguments))
        return runCommand(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(ApplicationTitle);
    QApplication::setApplicationVersion(applicationVersion());
    QApplication::setWindowIcon(nocturoIcon());
    applyNightVision(rememberedNightVision());
    enterWorkingFolder(app.arguments(), installedDataFolder(), defaultUserDataFolder());

    QtPlatform qtPlatform;
    auto *window = new MainWindow(qtPlatform.platform());
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->start();
    return app.exec();
}
