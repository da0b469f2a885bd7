#include "ui/platform/qtplatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QTimer>

#include <ctime>
#include <functional>

namespace {

// Runs what the test does to a dialog once it is open, from the event loop the dialog waits in.
template <typename Dialog>
void whenOpen(const std::function<void(Dialog *)> &act)
{
    QTimer::singleShot(0, [act] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (auto *dialog = qobject_cast<Dialog *>(window); dialog && dialog->isVisible())
                return act(dialog);
        }
        whenOpen(act);  // not shown yet
    });
}

class AddressCatcher : public QObject {
    Q_OBJECT

public:
    QUrl opened;

public slots:
    void open(const QUrl &address) { opened = address; }
};

}  // namespace

// The real dialogs, opened as the program opens them and answered from a timer.

class TestQtPlatform : public QObject {
    Q_OBJECT

private slots:
    void openDialogStartsWhereAsked()
    {
        QTemporaryDir folder;
        QString seen;  // the folder, the name, the filter and the file mode (3: existing files only)
        whenOpen<QFileDialog>([&](QFileDialog *dialog) {
            seen = dialog->directory().absolutePath() + u'|' + dialog->findChild<QLineEdit *>()->text() + u'|'
                   + dialog->selectedNameFilter() + u'|' + QString::number(dialog->fileMode());
            dialog->reject();
        });

        const FileChoice cancelled = QtFileChooser().chooseFile(
            {FileRequest::Purpose::Open, QStringLiteral("Objects.csv"), folder.path(), {QStringLiteral("Catalogs (*.csv)")}});

        QVERIFY(cancelled.cancelled);
        QCOMPARE(seen, QDir(folder.path()).absolutePath() + QStringLiteral("|Objects.csv|Catalogs (*.csv)|3"));
    }

    void saveDialogAsksBeforeReplacing()
    {
        QTemporaryDir folder;
        bool confirmsOverwrite = false;
        whenOpen<QFileDialog>([&](QFileDialog *dialog) {
            confirmsOverwrite = dialog->acceptMode() == QFileDialog::AcceptSave && !dialog->testOption(QFileDialog::DontConfirmOverwrite);
            dialog->findChild<QLineEdit *>()->setText(QStringLiteral("tonight.txt"));
            QTest::keyClick(dialog->findChild<QLineEdit *>(), Qt::Key_Return);
        });

        const FileChoice chosen = QtFileChooser().chooseFile(
            {FileRequest::Purpose::Save, QStringLiteral("results.txt"), folder.path(), {QStringLiteral("Text (*.txt)")}});

        QVERIFY(confirmsOverwrite);
        QVERIFY(!chosen.cancelled);
        QCOMPARE(chosen.paths, QStringList{QDir(folder.path()).absoluteFilePath(QStringLiteral("tonight.txt"))});
    }

    void messageBoxShowsTheText()
    {
        QString seen;
        whenOpen<QMessageBox>([&](QMessageBox *box) {
            seen = box->windowTitle() + u':' + box->text() + u':' + QString::number(box->buttons().size());
            box->accept();
        });
        QtMessages().showMessage(QStringLiteral("Nocturo"), QStringLiteral("Min Azimuth must be less than Max Azimuth"));
        QCOMPARE(seen, QStringLiteral("Nocturo:Min Azimuth must be less than Max Azimuth:1"));
    }

    // The clock's local time carries the offset of the machine's zone at that instant, which "Now"
    // writes as the GMT deviation: a zone without daylight saving, one of 5 h 45 min, and one each
    // side of the equator whose offset changes with the season.
    void clockCarriesTheZonesOffset()
    {
        const QByteArray machineZone = qgetenv("TZ");
        for (const char *zone : {"UTC", "Asia/Kathmandu", "America/New_York", "Australia/Sydney"}) {
            qputenv("TZ", zone);
            tzset();
            const QDateTime now = SystemClock().localNow();
            QCOMPARE(now.offsetFromUtc(), QTimeZone(zone).offsetFromUtc(now));
        }
        machineZone.isNull() ? qunsetenv("TZ") : qputenv("TZ", machineZone);
        tzset();
    }

    // A handler of the test's own stands in for the desktop's browser.
    void browserOpensTheAddress()
    {
        AddressCatcher browser;
        QDesktopServices::setUrlHandler(QStringLiteral("nocturo-test"), &browser, "open");
        const QUrl address(QStringLiteral("nocturo-test:NGC%20224"));
        QVERIFY(QtBrowser().openAddress(address));
        QCOMPARE(browser.opened, address);
        QDesktopServices::unsetUrlHandler(QStringLiteral("nocturo-test"));
    }
};

QTEST_MAIN(TestQtPlatform)
#include "test_qtplatform.moc"
