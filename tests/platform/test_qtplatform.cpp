#include "ui/platform/qtplatform.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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

}  // namespace

// The real dialogs, opened as the program opens them and answered from a timer.

class TestQtPlatform : public QObject {
    Q_OBJECT

private slots:
    void openDialogStartsWhereAsked()
    {
        QTemporaryDir folder;
        QString seen;  // the folder, the name and the filter
        whenOpen<QFileDialog>([&](QFileDialog *dialog) {
            seen = dialog->directory().absolutePath() + u'|' + dialog->findChild<QLineEdit *>()->text() + u'|'
                   + dialog->selectedNameFilter();
            dialog->reject();
        });

        const FileChoice cancelled = QtFileChooser().chooseFile(
            {FileRequest::Purpose::Open, QStringLiteral("Objects.csv"), folder.path(), {QStringLiteral("Catalogs (*.csv)")}});

        QVERIFY(cancelled.cancelled);
        QCOMPARE(seen, QDir(folder.path()).absolutePath() + QStringLiteral("|Objects.csv|Catalogs (*.csv)"));
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

    // Whatever zone the machine has, the bias and the clock agree with Qt's own offset.
    void timeZoneIsCoherent()
    {
        TimeZoneInformation information;
        const TimeZoneState state = SystemTimeZone().GetTimeZoneInformation(information);
        QVERIFY(state != TimeZoneState::Failure);
        const int biasMinutes = information.Bias + (state == TimeZoneState::Daylight ? information.DaylightBias
                                                                                      : information.StandardBias);
        const QDateTime now = SystemClock().localNow();
        QCOMPARE(-biasMinutes * 60, now.offsetFromUtc());
    }
};

QTEST_MAIN(TestQtPlatform)
#include "test_qtplatform.moc"
