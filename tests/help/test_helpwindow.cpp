#include "fakeplatform.h"
#include "snapshot.h"
#include "testfiles.h"
#include "ui/help/helpwindow.h"
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

QLabel *guideLink(const QWidget *help) { return help->findChild<QLabel *>(QStringLiteral("guideLink")); }

QString look(const HelpWindow &help)
{
    const QFont font = guideLink(&help)->font();
    return QStringLiteral("bold %1, underline %2, %3, cursor %4").arg(int(font.bold())).arg(int(font.underline()))
        .arg(guideLink(&help)->palette().color(QPalette::WindowText).name()).arg(help.cursor().shape());
}

void movePointerOver(const HelpWindow &help, const QWidget *control)
{
    QTest::mouseMove(help.windowHandle(), control ? control->geometry().center() : QPoint(3, 3));
}

} // namespace

class TestHelpWindow : public QObject {
    Q_OBJECT

    RecordingBrowser browser;
    QPointer<HelpWindow> help;

private slots:
    void init()
    {
        browser = RecordingBrowser();
        help = new HelpWindow(browser, GuideAddress);
        help->show();
        QVERIFY(QTest::qWaitForWindowExposed(help));
    }

    // The window system drops a move to where the pointer already is, and the next test's
    // window opens where this one is: leave the pointer on a spot no test moves to first.
    void cleanup()
    {
        if (help)
            QTest::mouseMove(help->windowHandle(), QPoint(0, 0));
        delete help;
    }

    // Moves the pointer as the window system does: the window finds the control under it. The
    // link takes the web-link look, never bold; the other controls leave it; the background
    // takes it back. The first look is in the picture.
    void linkLooksFollowThePointer()
    {
        guideLink(help)->setFont(QFont(guideLink(help)->font().family(), -1, QFont::Bold));
        const std::pair<const char *, QString> moves[] = {
            {"guideLink", WebLink}, {"okButton", WebLink}, {"guideText", WebLink}, {"background", Plain}};
        for (const auto &[name, expected] : moves) {
            movePointerOver(*help, help->findChild<QWidget *>(name));
            QCOMPARE(look(*help), expected);
        }
    }

    void clickOpensTheGuideAndKeepsTheWindow_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("browserStarts");
        QTest::addColumn<int>("guidesOpened");
        QTest::newRow("left") << Qt::LeftButton << true << 2;
        QTest::newRow("left, no browser") << Qt::LeftButton << false << 2;
        QTest::newRow("right") << Qt::RightButton << true << 0;
    }

    // Each left click asks for the guide once; a browser that cannot start brings no message.
    void clickOpensTheGuideAndKeepsTheWindow()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, browserStarts);
        QFETCH(int, guidesOpened);
        browser.browserStarts = browserStarts;
        for (int click = 0; click < 2; ++click)
            QTest::mouseClick(help->windowHandle(), button, {}, guideLink(help)->geometry().center());
        QTest::qWait(0);
        QCOMPARE(browser.opened, QList<QUrl>(guidesOpened, GuideAddress));
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(), [](const QWidget *w) { return w->isVisible(); }), 1);
        QVERIFY(help && help->isVisible());
    }

    // One help window at a time: the command brings it back; once OK has deleted it, a new
    // one starts plain.
    void helpCommandKeepsOneWindow()
    {
        QPointer<HelpWindow> shown;
        HelpWindow *first = showHelpWindow(shown, browser, GuideAddress);
        QVERIFY(first != help && first->isVisible() && first->windowTitle() == u"Help");
        QVERIFY(matchesSnapshot(*first, QStringLiteral("help")));
        movePointerOver(*first, guideLink(first));
        QCOMPARE(look(*first), WebLink);
        first->showMinimized();
        QCOMPARE(showHelpWindow(shown, browser, GuideAddress), first);
        QVERIFY(!first->isMinimized());

        QTest::mouseClick(first->findChild<QPushButton *>(QStringLiteral("okButton")), Qt::LeftButton);
        QTRY_VERIFY(shown.isNull());
        QCOMPARE(look(*showHelpWindow(shown, browser, GuideAddress)), Plain);
        delete shown;
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

QTEST_MAIN(TestHelpWindow)
#include "test_helpwindow.moc"
