#include "contrast.h"
#include "fakeplatform.h"
#include "snapshot.h"
#include "testfiles.h"
#include "ui/common/nightvision.h"
#include "ui/help/helpwindow.h"
#include "ui/help/userguide.h"

#include <QTemporaryDir>

namespace {

const QUrl GuideAddress = QUrl::fromLocalFile(QStringLiteral("/opt/g/guide.html"));
const QString Plain = QStringLiteral("bold 0, underline 0, #000000, cursor 0");     // arrow
const QString WebLink = QStringLiteral("bold 0, underline 1, #0000ff, cursor 13");  // hand

QWidget *guideLink(const QWidget *help) { return help->findChild<QWidget *>(QStringLiteral("guideLink")); }

QString look(const QWidget *help)
{
    const QWidget *link = guideLink(help);
    return QStringLiteral("bold %1, underline %2, %3, cursor %4").arg(int(link->font().bold())).arg(int(link->font().underline()))
        .arg(link->palette().color(QPalette::WindowText).name()).arg(help->cursor().shape());
}

} // namespace

class TestHelpWindow : public QObject {
    Q_OBJECT

    RecordingBrowser browser;
    RecordingMessages messages;
    QPointer<HelpWindow> help;

private slots:
    void init() { QVERIFY(QTest::qWaitForWindowExposed(showHelpWindow(help, browser, messages, GuideAddress))); }
    void cleanup() { delete help; }

    // The first look is in the picture. Moves the pointer as the window system does: the window
    // finds the control under it, the first move away from wherever an earlier test left the
    // pointer, since a move to where it already is would be dropped. The link takes the web-link
    // look, never bold; the other controls leave the look as it is; the background takes it back.
    // Each left click on the link asks for the guide once, a right click never; a browser that
    // cannot start is a warning that names where the guide lies. The Help command brings the open
    // window back, the only one; OK deletes it.
    void linkOpensTheGuide()
    {
        QVERIFY(matchesSnapshot(*help, QStringLiteral("help")));
        guideLink(help)->setFont(QFont(guideLink(help)->font().family(), -1, QFont::Bold));
        const std::pair<const char *, QString> moves[] = {{"background", Plain}, {"guideLink", WebLink}, {"okButton", WebLink},
                                                          {"background", Plain}, {"guideText", Plain}, {"guideLink", WebLink}};
        for (const auto &[name, expected] : moves) {
            const QWidget *control = help->findChild<QWidget *>(name);
            QTest::mouseMove(help->windowHandle(), control ? control->geometry().center() : QPoint(3, 3));
            QCOMPARE(look(help), expected);
        }
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::LeftButton}) {
            QTest::mouseClick(help->windowHandle(), button, {}, guideLink(help)->geometry().center());
            browser.browserStarts = false;
        }
        QCOMPARE(browser.opened, QList<QUrl>(2, GuideAddress));
        QCOMPARE(messages.log(), "Nocturo (warning): No web browser could be started to open \"/opt/g/guide.html\".");
        QCOMPARE(guideLink(help)->toolTip(), GuideAddress.toDisplayString(QUrl::PreferLocalFile));  // where it lies
        help->showMinimized();
        showHelpWindow(help, browser, messages, GuideAddress);
        QVERIFY(!help->isMinimized() && std::ranges::count_if(QApplication::topLevelWidgets(), &QWidget::isVisible) == 1);
        QTest::mouseClick(help->findChild<QWidget *>(QStringLiteral("okButton")), Qt::LeftButton);
        QTRY_VERIFY(help.isNull());
    }

    // Under night vision, turned on while the window is open, the link is readable on the window in
    // both looks; turned off, it is black again.
    void linkReadableUnderNightVision()
    {
        applyNightVision(true);
        QCoreApplication::processEvents();
        for (const char *over : {"guideLink", "background"}) {
            const QWidget *control = help->findChild<QWidget *>(over);
            QTest::mouseMove(help->windowHandle(), control ? control->geometry().center() : QPoint(3, 3));
            const QColor link = guideLink(help)->palette().color(QPalette::WindowText);
            QVERIFY2(contrastRatio(link, help->palette().color(QPalette::Window)) >= 4.5, over);
        }
        applyNightVision(false);
        QCoreApplication::processEvents();
        QCOMPARE(look(help), Plain);
    }

    // The folders in turn: beside the program, then the installed data folder; with none, the
    // last folder's. A folder of the guide's name is no guide.
    void firstFolderWithTheGuideWins()
    {
        QTemporaryDir root;
        const QString inBin = root.filePath(QStringLiteral("bin/guide.html"));
        QVERIFY(QDir().mkpath(inBin));
        QCOMPARE(userGuideAddress({root.filePath("bin"), root.path()}), QUrl::fromLocalFile(root.filePath("guide.html")));
        QVERIFY(QDir().rmdir(inBin));
        writeFile(inBin, {});
        QCOMPARE(userGuideAddress({root.filePath("bin"), root.path()}), QUrl::fromLocalFile(inBin));
    }
};

QTEST_MAIN(TestHelpWindow)
#include "test_helpwindow.moc"
