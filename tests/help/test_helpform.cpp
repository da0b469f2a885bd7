#include "recordingbrowser.h"
#include "ui/help/helpform.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

const QUrl GuideAddress = QUrl::fromLocalFile(QStringLiteral("/opt/g/guide.html"));

bool looksLikeWebLink(const Helpform &form)
{
    const auto *link = form.findChild<QLabel *>(QStringLiteral("Label2"));
    return !link->font().bold() && link->font().underline()
        && link->palette().color(QPalette::WindowText) == QColor(0, 0, 255)
        && form.cursor().shape() == Qt::PointingHandCursor;
}

bool looksPlain(const Helpform &form)
{
    const auto *link = form.findChild<QLabel *>(QStringLiteral("Label2"));
    return !link->font().bold() && !link->font().underline()
        && link->palette().color(QPalette::WindowText) == QColor(0, 0, 0)
        && form.cursor().shape() == Qt::ArrowCursor;
}

int helpWindowCount()
{
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        count += qobject_cast<Helpform *>(widget) != nullptr ? 1 : 0;
    return count;
}

QList<QWidget *> visibleWindows()
{
    QList<QWidget *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible())
            windows.append(widget);
    }
    return windows;
}

} // namespace

class TestHelpform : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showsTheTextsAndTheGuideAddress();
    void startsPlain();
    void pointerOverTheLinkGivesTheWebLinkLook();
    void webLinkLookTurnsBoldOff();
    void pointerOnToAnotherControlKeepsTheWebLinkLook();
    void pointerOverTheBackgroundGivesThePlainLook();
    void clickOpensTheGuideAndKeepsTheWindow();
    void everyClickIsANewRequest();
    void clickWithoutABrowserSaysNothing();
    void okDeletesTheWindow();
    void closingByTheFrameDeletesTheWindow();
    void helpCommandKeepsOneWindow();
    void helpCommandRestoresAMinimisedWindow();
    void reopenedWindowStartsPlain();

private:
    void pointTo(QWidget *target, QPoint at = QPoint());
    void clickLink();

    RecordingBrowser browser;
    QPointer<Helpform> form;
};

void TestHelpform::init()
{
    browser = RecordingBrowser();
    form = new Helpform(browser, GuideAddress);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
}

void TestHelpform::cleanup()
{
    // The window system drops a move to where the pointer already is, and the next test's
    // window opens where this one is: leave the pointer on a spot no test moves to first.
    if (form)
        QTest::mouseMove(form->windowHandle(), QPoint(0, 0));
    delete form;
}

// Moves the pointer as the window system does: the window finds the control under it.
void TestHelpform::pointTo(QWidget *target, QPoint at)
{
    if (at.isNull())
        at = target->rect().center();
    QWidget *window = target->window();
    QTest::mouseMove(window->windowHandle(), target->mapTo(window, at));
}

void TestHelpform::clickLink()
{
    auto *link = form->findChild<QLabel *>(QStringLiteral("Label2"));
    QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, link->geometry().center());
}

void TestHelpform::showsTheTextsAndTheGuideAddress()
{
    QCOMPARE(form->windowTitle(), QStringLiteral("Help"));
    QCOMPARE(form->findChild<QLabel *>(QStringLiteral("Label1"))->text(),
             QStringLiteral("For assistance, please visit the Nocturo website at"));
    QCOMPARE(form->findChild<QLabel *>(QStringLiteral("Label2"))->text(), QStringLiteral("/opt/g/guide.html"));
    QCOMPARE(form->findChild<QPushButton *>(QStringLiteral("Command1"))->text(), QStringLiteral("OK"));
    // 3915 x 1650 twips at 15 twips a pixel.
    QCOMPARE(form->size(), QSize(261, 110));
}

void TestHelpform::startsPlain()
{
    QVERIFY(looksPlain(*form));
}

void TestHelpform::pointerOverTheLinkGivesTheWebLinkLook()
{
    pointTo(form->findChild<QLabel *>(QStringLiteral("Label2")));
    QVERIFY(looksLikeWebLink(*form));
}

void TestHelpform::webLinkLookTurnsBoldOff()
{
    auto *link = form->findChild<QLabel *>(QStringLiteral("Label2"));
    QFont bold = link->font();
    bold.setBold(true);
    link->setFont(bold);

    form->Label2_MouseMove();
    QVERIFY(looksLikeWebLink(*form));
}

void TestHelpform::pointerOnToAnotherControlKeepsTheWebLinkLook()
{
    pointTo(form->findChild<QLabel *>(QStringLiteral("Label2")));
    pointTo(form->findChild<QPushButton *>(QStringLiteral("Command1")));
    QVERIFY(looksLikeWebLink(*form));
    pointTo(form->findChild<QLabel *>(QStringLiteral("Label1")));
    QVERIFY(looksLikeWebLink(*form));
}

void TestHelpform::pointerOverTheBackgroundGivesThePlainLook()
{
    pointTo(form->findChild<QLabel *>(QStringLiteral("Label2")));
    const QPoint background(3, 3);
    QCOMPARE(form->childAt(background), nullptr);
    pointTo(form, background);
    QVERIFY(looksPlain(*form));
}

void TestHelpform::clickOpensTheGuideAndKeepsTheWindow()
{
    clickLink();
    QCOMPARE(browser.requests, QList<QUrl>{GuideAddress});
    QTest::qWait(0);
    QVERIFY(form);
    QVERIFY(form->isVisible());
}

void TestHelpform::everyClickIsANewRequest()
{
    clickLink();
    clickLink();
    QCOMPARE(browser.requests, (QList<QUrl>{GuideAddress, GuideAddress}));
}

void TestHelpform::clickWithoutABrowserSaysNothing()
{
    browser.browserStarts = false;
    clickLink();
    QTest::qWait(0);
    QCOMPARE(browser.requests.size(), 1);
    QVERIFY(form);
    QCOMPARE(visibleWindows(), QList<QWidget *>{form.data()});
}

void TestHelpform::okDeletesTheWindow()
{
    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    QTRY_VERIFY(form.isNull());
}

void TestHelpform::closingByTheFrameDeletesTheWindow()
{
    form->close();
    QTRY_VERIFY(form.isNull());
}

void TestHelpform::helpCommandKeepsOneWindow()
{
    QPointer<Helpform> help;
    Helpform *first = showHelpForm(help, browser, GuideAddress);
    QVERIFY(first != form);
    QVERIFY(first->isVisible());
    QCOMPARE(help.data(), first);
    const int windows = helpWindowCount();

    QCOMPARE(showHelpForm(help, browser, GuideAddress), first);
    QCOMPARE(helpWindowCount(), windows);
    delete help;
}

void TestHelpform::helpCommandRestoresAMinimisedWindow()
{
    QPointer<Helpform> help;
    showHelpForm(help, browser, GuideAddress)->showMinimized();
    QVERIFY(help->isMinimized());

    showHelpForm(help, browser, GuideAddress);
    QVERIFY(!help->isMinimized());
    QVERIFY(help->isVisible());
    delete help;
}

void TestHelpform::reopenedWindowStartsPlain()
{
    QPointer<Helpform> help;
    showHelpForm(help, browser, GuideAddress)->Label2_MouseMove();
    help->Command1_Click();
    QTRY_VERIFY(help.isNull());

    QVERIFY(looksPlain(*showHelpForm(help, browser, GuideAddress)));
    delete help;
}

QTEST_MAIN(TestHelpform)
#include "test_helpform.moc"
