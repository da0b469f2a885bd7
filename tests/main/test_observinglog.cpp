#include "windowfixture.h"

#include "formats/observationlog.h"
#include "ui/log/logwindow.h"
#include "ui/log/observationform.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QTableView>

// The Log menu as the observer uses it: an object marked observed from the list, the "Observed"
// column and "Hide observed" following the log, and the log's window editing and deleting.

namespace {

QList<Observation> loggedObservations()
{
    Result<std::unique_ptr<ObservationLog>> log = ObservationLog::open(ObservationLogFile);
    return log.ok() ? log.value()->observations().value() : QList<Observation>();
}

QByteArray fileHash(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256) : QByteArray();
}

}  // namespace

class TestObservingLog : public QObject {
    Q_OBJECT

private slots:
    void markShowEditAndDelete()
    {
        WindowFixture fixture;
        MainWindow &window = fixture.start();
        fixture.trigger("Show Log");
        QVERIFY(fixture.messages().contains("The observing log is empty") && !QFile::exists(ObservationLogFile));

        ResultsView &view = fixture.view();
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(view.model()->index(0, 0)).center());
        const QString identifier = view.model()->index(0, 0).data().toString();
        fixture.trigger("Mark Observed");
        window.findChild<ObservationForm *>()->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
        QTest::qWait(0);  // the cancelled form is deleted on close
        QVERIFY(!window.findChild<ObservationForm *>() && !QFile::exists(ObservationLogFile));
        fixture.trigger("Mark Observed");
        auto *form = window.findChild<ObservationForm *>();
        QVERIFY(form && form->isVisible());
        const QList<QComboBox *> choices = form->findChildren<QComboBox *>();  // seeing, verdict
        choices.at(0)->setCurrentIndex(2);
        choices.at(1)->setCurrentText("glimpsed");
        form->findChild<QPlainTextEdit *>()->setPlainText("averted vision, \"just\"");
        form->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();

        // The session's start, place and telescope, and what the observer chose.
        const QList<Observation> kept = loggedObservations();
        QCOMPARE(kept.size(), 1);
        const Observation &observation = kept.first();
        QCOMPARE(observation.objectIdentifier, identifier);
        QCOMPARE(observation.localTime.toString(Qt::ISODate), "2006-03-15T21:05:00-05:00");
        QCOMPARE(std::tuple(observation.seeing, observation.verdict, observation.notes),
                 std::tuple(std::optional(2), ObservationVerdict::Glimpsed, QString("averted vision, \"just\"")));
        QCOMPARE(observation.apertureMm, 200.0);

        fixture.trigger("Hide observed");
        QVERIFY(!fixture.column(0).contains(identifier));
        QVERIFY2(fixture.status().contains(", 1 observed hidden"), qPrintable(fixture.status()));

        fixture.trigger("Show Log");
        auto *logWindow = window.findChild<LogWindow *>();
        auto *table = logWindow->findChild<QTableView *>();
        QAbstractItemModel *rows = table->model();
        QVERIFY(rows->setData(rows->index(0, rows->columnCount() - 1), "no, seen", Qt::EditRole));
        QCOMPARE(loggedObservations().first().notes, "no, seen");

        table->selectRow(0);
        QPushButton *deleteButton = logWindow->findChild<QPushButton *>();
        deleteButton->click();  // answered no
        QCOMPARE(loggedObservations().size(), 1);
        fixture.fakes.messages.confirmAnswers.enqueue(true);
        deleteButton->click();
        QVERIFY(loggedObservations().isEmpty() && rows->rowCount() == 0);
        QVERIFY(fixture.column(0).contains(identifier));
        QCOMPARE(fixture.fakes.messages.confirmations.size(), 2);
    }

    // A file that is not our log is named in a warning, never written, and the list is made.
    void foreignLogIsLeftAlone()
    {
        WindowFixture fixture;
        QFile foreign(fixture.folder.filePath(ObservationLogFile));
        QVERIFY(foreign.open(QIODevice::WriteOnly) && foreign.write("my notes, not a database\n") > 0);
        foreign.close();
        const QByteArray before = fileHash(foreign.fileName());
        fixture.start();
        QVERIFY2(fixture.messages().contains("(warning): observations.sqlite: ")
                     && fixture.messages().contains("The list works on without the log."),
                 qPrintable(fixture.messages()));
        QVERIFY(fixture.listed() > 0);
        QTest::mouseClick(fixture.view().viewport(), Qt::LeftButton, {},
                          fixture.view().visualRect(fixture.view().model()->index(0, 0)).center());
        fixture.trigger("Mark Observed");
        fixture.window->findChild<ObservationForm *>()->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        QVERIFY(fixture.messages().count("observations.sqlite") == 2);
        QCOMPARE(fileHash(foreign.fileName()), before);
    }

    // A log there at the start fills the "Observed" column at once; the log's window sorts a time by
    // its instant, not by its text (21:00 at UTC-5 came after 23:00 at UTC+1).
    void logReadAtStartAndSortedByInstant()
    {
        WindowFixture fixture;
        {
            Result<std::unique_ptr<ObservationLog>> log = ObservationLog::open(ObservationLogFile);
            Observation later{0, "NGC 6356", QDateTime(QDate(2026, 3, 1), QTime(21, 0), Qt::OffsetFromUTC, -5 * 3600)};
            Observation earlier{0, "NGC 6333", QDateTime(QDate(2026, 3, 1), QTime(23, 0), Qt::OffsetFromUTC, 3600)};
            QVERIFY(log.ok() && log.value()->add({later, earlier}).ok());
        }
        fixture.start();
        const QList<QAction *> actions = fixture.window->menuBar()->findChildren<QAction *>();
        (*std::ranges::find(actions, QString("Observed"), &QAction::text))->setChecked(true);  // kept in the settings
        QCOMPARE(fixture.column(fixture.view().model()->columnCount() - 1).mid(0, 3), (QStringList{"2026-03-01", "2026-03-01", "-"}));

        fixture.trigger("Show Log");
        auto *table = fixture.window->findChild<LogWindow *>()->findChild<QTableView *>();
        QCOMPARE(table->model()->headerData(1, Qt::Horizontal).toString(), "Local time");
        table->sortByColumn(1, Qt::DescendingOrder);
        QCOMPARE(table->model()->index(0, 0).data().toString(), "NGC 6356");
        table->sortByColumn(1, Qt::AscendingOrder);
        QCOMPARE(table->model()->index(0, 0).data().toString(), "NGC 6333");
    }
};

QTEST_MAIN(TestObservingLog)
#include "test_observinglog.moc"
