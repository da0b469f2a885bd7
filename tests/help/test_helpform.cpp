#include "fakeplatform.h"
#include "snapshot.h"
#include "ui/help/helpform.h"
#include "ui/help/userguide.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QUrl GuideAddress = QUrl::fromLocalFile(QStringLiteral("/opt/g/guide.html"));
const QString Plain = QStringLiteral("bold 0, underline 0, #000000, cursor 0");     // arrow
const QString WebLink = QStringLiteral("bold 0, underline 1, #0000ff, cursor 13");  // hand

QLabel *link(const QWidget *form) { return form->findChild<QLabel *>(QStringLiteral("Label2")); }

QString look(const Helpform &form)
{
    const QFont font = link(&form)->font();
    return QStringLiteral("bold %1, underline %2, %3, cursor %4") .arg(int(font.bold())).arg(int(font.underline()))
        .arg(link(&form)->palette().color(QPalette::WindowText).name()).arg(form.cursor().shape());
}

} // namespace

class TestHelpform : public QObject {
    Q_OBJECT

    RecordingBrowser browser;
    QPointer<Helpform> form;

private slots:
    void init()
    {
        browser = RecordingBrowser();
        form = new Helpform(browser, GuideAddress);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }

    // The window system drops a move to where the pointer already is, and the next test's
    // window opens where this one is: leave the pointer on a spot no test moves to first.
    void cleanup()
    {
        if (form)
            QTest::mouseMove(form->windowHandle(), QPoint(0, 0));
        delete form;
    }

    void linkLooksFollowThePointer_data()
    {
        QTest::addColumn<QStringList>("moves");  // controls the pointer moves onto, in turn
        QTest::addColumn<QString>("expected");
        QTest::newRow("at first") << QStringList() << Plain;
        QTest::newRow("over the link") << QStringList{"Label2"} << WebLink;
        QTest::newRow("bold link") << QStringList{"bold", "Label2"} << WebLink;
        QTest::newRow("then OK, text") << QStringList{"Label2", "Command1", "Label1"} << WebLink;
        QTest::newRow("then background") << QStringList{"Label2", "background"} << Plain;
    }

    // Moves the pointer as the window system does: the window finds the control under it.
    void linkLooksFollowThePointer()
    {
        QFETCH(QStringList, moves);
        QFETCH(QString, expected);
        for (const QString &name : moves) {
            if (name == u"bold")
                link(form)->setFont(QFont(link(form)->font().family(), -1, QFont::Bold));
            else if (const QWidget *target = form->findChild<QWidget *>(name))
                QTest::mouseMove(form->windowHandle(), target->geometry().center());
            else
                QTest::mouseMove(form->windowHandle(), QPoint(3, 3));  // the background
        }
        QCOMPARE(look(*form), expected);
    }

    void clickOpensTheGuideAndKeepsTheWindow_data()
    {
        QTest::addColumn<int>("clicks");
        QTest::addColumn<bool>("browserStarts");
        QTest::newRow("one click") << 1 << true;
        QTest::newRow("two clicks, two requests") << 2 << true;
        QTest::newRow("no browser, no message") << 1 << false;
    }

    void clickOpensTheGuideAndKeepsTheWindow()
    {
        QFETCH(int, clicks);
        QFETCH(bool, browserStarts);
        browser.browserStarts = browserStarts;
        const QPoint onLink = link(form)->geometry().center();
        for (int i = 0; i < clicks; ++i)
            QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, onLink);
        QTest::qWait(0);
        QCOMPARE(browser.opened, QList<QUrl>(clicks, GuideAddress));
        QCOMPARE(link(form)->text(), QStringLiteral("Nocturo User Guide"));  // what the link opens
        QVERIFY(form && form->isVisible());
        const QWidgetList windows = QApplication::topLevelWidgets();
        const auto visible = [](const QWidget *window) { return window->isVisible(); };
        QCOMPARE(std::count_if(windows.begin(), windows.end(), visible), 1);  // no message
    }

    // One help window at a time: the command brings it back; once OK has deleted it, a new
    // one starts plain.
    void helpCommandKeepsOneWindow()
    {
        QPointer<Helpform> help;
        Helpform *first = showHelpForm(help, browser, GuideAddress);
        QVERIFY(first != form && first->isVisible());
        QVERIFY(matchesSnapshot(*first, QStringLiteral("help")));
        first->Label2_MouseMove();
        first->showMinimized();
        QCOMPARE(showHelpForm(help, browser, GuideAddress), first);
        QVERIFY(!first->isMinimized());

        QTest::mouseClick(first->findChild<QPushButton *>("Command1"), Qt::LeftButton);
        QTRY_VERIFY(help.isNull());
        QCOMPARE(look(*showHelpForm(help, browser, GuideAddress)), Plain);
        delete help;
    }

    // The folders in turn: beside the program, then the installed data folder.
    void firstFolderWithTheGuideWins()
    {
        QTemporaryDir root;
        const QString bin = root.filePath(QStringLiteral("bin"));
        const QString share = root.filePath(QStringLiteral("share"));
        const QUrl inBin = QUrl::fromLocalFile(bin + "/guide.html");
        const QUrl inShare = QUrl::fromLocalFile(share + "/guide.html");
        QCOMPARE(userGuideAddress({bin, share}), inShare);  // none has one: the last folder
        QVERIFY(QDir().mkpath(bin + "/guide.html") && QDir().mkpath(share));
        QVERIFY(QFile(share + "/guide.html").open(QIODevice::WriteOnly));
        QCOMPARE(userGuideAddress({bin, share}), inShare);  // a folder is no guide
        QVERIFY(QDir(bin).rmdir("guide.html"));
        QVERIFY(QFile(bin + "/guide.html").open(QIODevice::WriteOnly));
        QCOMPARE(userGuideAddress({bin, share}), inBin);
    }
};

QTEST_MAIN(TestHelpform)
#include "test_helpform.moc"
