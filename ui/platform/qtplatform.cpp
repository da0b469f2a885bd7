#include "ui/platform/qtplatform.h"

#include "ui/common/nightvision.h"

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QVBoxLayout>

namespace {

// Files' and folders' icons in red, for the file dialog under night vision.
class NightVisionFileIcons : public QFileIconProvider {
public:
    QIcon icon(IconType type) const override { return nightVisionIcon(QFileIconProvider::icon(type)); }
    QIcon icon(const QFileInfo &info) const override { return nightVisionIcon(QFileIconProvider::icon(info)); }
};

}  // namespace

FileChoice QtFileChooser::chooseFile(const FileRequest &request)
{
    NightVisionFileIcons nightVisionIcons;  // outlives the dialog
    QFileDialog dialog(QApplication::activeWindow());
    // The desktop's own dialog would keep its colours: under night vision Qt's dialog, which
    // takes the palette, the style's red icons and red file icons, stands in for it.
    if (isNightVision(QApplication::palette())) {
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setIconProvider(&nightVisionIcons);
    }
    dialog.setDirectory(request.initialFolder);
    dialog.setNameFilters(request.nameFilters);
    // A save may name a file that does not exist yet, the dialog's own default; an open dialog
    // lets several files be chosen, so that the caller can say why it takes only one.
    if (request.purpose == FileRequest::Purpose::Save)
        dialog.setAcceptMode(QFileDialog::AcceptSave);
    else
        dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.selectFile(request.presetName);

    FileChoice choice;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return choice;
    choice.cancelled = false;
    choice.paths = dialog.selectedFiles();
    choice.nameFilter = dialog.selectedNameFilter();
    return choice;
}

void QtMessages::showMessage(const QString &title, const QString &text)
{
    QMessageBox::information(QApplication::activeWindow(), title, text, QMessageBox::Ok);
}

void QtMessages::showWarning(const QString &title, const QString &text)
{
    QMessageBox::warning(QApplication::activeWindow(), title, text, QMessageBox::Ok);
}

std::optional<QString> QtMessages::askText(const QString &title, const QString &question, const QString &preset)
{
    bool answered = false;
    const QString text =
        QInputDialog::getText(QApplication::activeWindow(), title, question, QLineEdit::Normal, preset, &answered);
    return answered ? std::optional(text) : std::nullopt;
}

bool QtMessages::confirm(const QString &title, const QString &question)
{
    return QMessageBox::question(QApplication::activeWindow(), title, question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No)
           == QMessageBox::Yes;
}

bool QtBrowser::openAddress(const QUrl &address)
{
    return QDesktopServices::openUrl(address);
}

// Night vision is a tab of the print dialog's options, beside the printer's own settings.
PrintChoice QtPrinting::choosePrinter(QPrinter &printer, bool nightVision)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    auto *options = new QWidget;  // the dialog takes it
    options->setWindowTitle(QStringLiteral("Night Vision"));
    auto *nightVisionBox = new QCheckBox(QStringLiteral("Night vision: red on black, for reading on a screen"), options);
    nightVisionBox->setChecked(nightVision);
    auto *layout = new QVBoxLayout(options);
    layout->addWidget(nightVisionBox);
    layout->addStretch();
    dialog.setOptionTabs({options});
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return {false, nightVisionBox->isChecked()};
}

QDateTime SystemClock::localNow() const
{
    return QDateTime::currentDateTime();
}

