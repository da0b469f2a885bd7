#include "fakeplatform.h"
#include "snapshot.h"
#include "testfiles.h"
#include "ui/help/helpform.h"
#include "ui/help/userguide.h"

#include <QDir>
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
    return QStringLiteral("bold %1, underline %2, %3, cursor %4").arg(int(font.bold())).arg(int(font.underline()))
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

    // Moves the pointer as the window system does: the window finds the control under it. The
    // link takes the web-link look, never bold; the other controls leave it; the background
    // takes it back. The first look is in the picture.
    void linkLooksFollowThePointer()
    {
        link(form)->setFont(QFont(link(form)->font().family(), -1, QFont::Bold));
        const std::pair<const char *, QString> moves[] = {
            {"Label2", WebLink}, {"Command1", WebLink}, {"Label1", WebLink}, {"background", Plain}};
        for (const auto &[name, expected] : moves) {
            const QWidget *target = form->findChild<QWidget *>(name);
            QTest::mouseMove(form->windowHandle(), target ? target->geometry().center() : QPoint(3, 3));
            QCOMPARE(look(*form), expected);
        }
    }

    // Each click asks for the guide once; a browser that cannot start brings no message.
    void clickOpensTheGuideAndKeepsTheWindow()
    {
        browser.browserStarts = false;
        for (int click = 0; click < 2; ++click)
            QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, link(form)->geometry().center());
        QTest::qWait(0);
        QCOMPARE(browser.opened, QList<QUrl>(2, GuideAddress));
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(), [](const QWidget *w) { return w->isVisible(); }), 1);
        QVERIFY(form && form->isVisible());
    }

    // One help window at a time: the command brings it back; once OK has deleted it, a new
    // one starts plain.
    void helpCommandKeepsOneWindow()
    {
        QPointer<Helpform> help;
        Helpform *first = showHelpForm(help, browser, GuideAddress);
        QVERIFY(first != form && first->isVisible() && first->windowTitle() == u"Help");
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

    // The folders in turn: beside the program, then the installed data folder; with none, the
    // last folder's.
    void firstFolderWithTheGuideWins()
    {
        QTemporaryDir root;
        const QStringList folders = {root.filePath(QStringLiteral("bin")), root.filePath(QStringLiteral("share"))};
        const QString inBin = folders[0] + "/guide.html", inShare = folders[1] + "/guide.html";
        QCOMPARE(userGuideAddress(folders), QUrl::fromLocalFile(inShare));
        QVERIFY(QDir().mkpath(inBin) && QDir().mkpath(folders[1]));
        writeFile(inShare, {});
        QCOMPARE(userGuideAddress(folders), QUrl::fromLocalFile(inShare));  // a folder is no guide
        QVERIFY(QDir().rmdir(inBin));
        writeFile(inBin, {});
        QCOMPARE(userGuideAddress(folders), QUrl::fromLocalFile(inBin));
    }
};

QTEST_MAIN(TestHelpform)
#include "test_helpform.moc"
