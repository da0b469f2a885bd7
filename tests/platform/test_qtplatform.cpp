#include "ui/common/nightvision.h"
#include "ui/platform/qtplatform.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QToolButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QTimer>

namespace {

// Runs what the test does to a dialog once it is open, from the event loop the dialog waits in.
template <typename Dialog, typename Act>
void whenOpen(const Act &act)
{
    QTimer::singleShot(0, [act] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        dialog ? act(dialog) : whenOpen<Dialog>(act);  // not shown yet: again
    });
}

}  // namespace

// The real dialogs, opened as the program opens them and answered from a timer.

class TestQtPlatform : public QObject {
    Q_OBJECT

    QUrl opened;  // by the stand-in for the desktop's browser

public slots:
    void openInBrowser(const QUrl &address) { opened = address; }

private slots:
    // An open dialog starts in the folder asked, on the name and the first filter, and takes only
    // existing files (file mode 3); a save dialog (accept mode 1) asks before replacing a file and
    // gives the path typed into it. A message shows its title and text, with one button.
    void dialogs()
    {
        QTemporaryDir folder;
        QString seen;  // of a file dialog: the folder, the name, the filter, the modes, whether it asks before replacing
        for (const bool saving : {false, true}) {
            whenOpen<QFileDialog>([&](QFileDialog *dialog) {
                QLineEdit *name = dialog->findChild<QLineEdit *>();
                seen = QStringList{dialog->directory().absolutePath(), name->text(), dialog->selectedNameFilter(),
                                   QString::number(dialog->fileMode()), QString::number(dialog->acceptMode()),
                                   QString::number(!dialog->testOption(QFileDialog::DontConfirmOverwrite))}.join(u'|');
                name->setText(QStringLiteral("tonight.txt"));
                saving ? QTest::keyClick(name, Qt::Key_Return) : dialog->reject();
            });
            const FileRequest::Purpose purpose = saving ? FileRequest::Purpose::Save : FileRequest::Purpose::Open;
            const FileChoice choice = QtFileChooser().chooseFile({purpose, "Objects.csv", folder.path(), {"Catalogs (*.csv)"}});
            QCOMPARE(seen, folder.path() + "|Objects.csv|Catalogs (*.csv)|" + (saving ? "0|1|1" : "3|0|1"));
            QCOMPARE(choice.paths, saving ? QStringList(folder.filePath("tonight.txt")) : QStringList());
            QCOMPARE(choice.cancelled, !saving);
        }
        // Information for what was done, a warning for what was not.
        const auto showBoth = {&QtMessages::showMessage, &QtMessages::showWarning};
        for (const auto show : showBoth) {
            whenOpen<QMessageBox>([&](QMessageBox *box) {
                seen = box->windowTitle() + u':' + box->text() + u':' + QString::number(box->buttons().size())
                       + u':' + QString::number(box->icon());
                box->accept();
            });
            QtMessages messages;
            (messages.*show)(QStringLiteral("Nocturo"), QStringLiteral("Min Azimuth must be less than Max Azimuth"));
            const QMessageBox::Icon icon = show == &QtMessages::showMessage ? QMessageBox::Information
                                                                             : QMessageBox::Warning;
            QCOMPARE(seen, QStringLiteral("Nocturo:Min Azimuth must be less than Max Azimuth:1:%1").arg(icon));
        }
    }

    // Under night vision the file dialog is Qt's own, which takes the palette, and its icons, the
    // style's on its buttons and the files' in its lists, are red.
    void fileDialogUnderNightVision()
    {
        applyNightVision(true);
        QList<QIcon> icons;
        whenOpen<QFileDialog>([&](QFileDialog *dialog) {
            for (const QToolButton *button : dialog->findChildren<QToolButton *>())
                icons << button->icon();
            for (const auto type : {QFileIconProvider::Folder, QFileIconProvider::File, QFileIconProvider::Drive})
                icons << dialog->iconProvider()->icon(type);
            dialog->reject();
        });
        QtFileChooser().chooseFile({FileRequest::Purpose::Open, {}, QDir::tempPath(), {}});
        applyNightVision(false);
        QVERIFY(icons.size() > 5);
        for (const QIcon &icon : std::as_const(icons)) {
            const QImage image = icon.pixmap(16).toImage().convertToFormat(QImage::Format_ARGB32);
            for (int i = 0; i < image.width() * image.height(); ++i) {
                const QRgb pixel = image.pixel(i % image.width(), i / image.width());
                QVERIFY(qAlpha(pixel) == 0 || (qGreen(pixel) == 0 && qBlue(pixel) == 0));
            }
        }
    }

    // The clock's local time carries the offset of the machine's zone at that instant, which "Now"
    // writes as the GMT deviation: a zone without daylight saving, one of 5 h 45 min, and one each
    // side of the equator whose offset changes with the season. The browser opens the address
    // given, here with a handler of the test's own in the desktop's place.
    void clockAndBrowser()
    {
        const QByteArray machineZone = qgetenv("TZ");
        for (const char *zone : {"UTC", "Asia/Kathmandu", "America/New_York", "Australia/Sydney"}) {
            qputenv("TZ", zone);
            const QDateTime now = SystemClock().localNow();
            QCOMPARE(now.offsetFromUtc(), QTimeZone(zone).offsetFromUtc(now));
        }
        machineZone.isNull() ? qunsetenv("TZ") : qputenv("TZ", machineZone);
        QDesktopServices::setUrlHandler(QStringLiteral("nocturo-test"), this, "openInBrowser");
        const QUrl address(QStringLiteral("nocturo-test:NGC%20224"));
        QVERIFY(QtBrowser().openAddress(address) && opened == address);
        QDesktopServices::unsetUrlHandler(QStringLiteral("nocturo-test"));
    }
};

QTEST_MAIN(TestQtPlatform)
#include "test_qtplatform.moc"
