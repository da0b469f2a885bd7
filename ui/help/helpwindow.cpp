#include "ui/help/helpwindow.h"

#include "ui/common/nightvision.h"
#include "ui/common/twips.h"
#include "ui/common/windowlook.h"
#include "ui/platform/browser.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

HelpWindow::HelpWindow(Browser &browser, Messages &messages, const QUrl &guideAddress, QWidget *parent)
    : QWidget(parent, Qt::Window), browser(browser), messages(messages), guideAddress(guideAddress)
{
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(windowFont());
    setFixedSize(twipsToPixels(QSize(3915, 1650)));

    guideText = new QLabel(QStringLiteral("For assistance, please visit the Nocturo website at"), this);
    guideText->setObjectName(QStringLiteral("guideText"));
    guideText->setGeometry(twipsToPixels(QRect(120, 120, 3735, 375)));
    guideText->setWordWrap(true);

    // The link names what it opens; where the guide lies is in the tool tip.
    guideLink = new QLabel(QStringLiteral("Nocturo User Guide"), this);
    guideLink->setObjectName(QStringLiteral("guideLink"));
    guideLink->setGeometry(twipsToPixels(QRect(600, 480, 2775, 375)));
    guideLink->setToolTip(guideAddress.toDisplayString(QUrl::PreferLocalFile));

    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setGeometry(twipsToPixels(QRect(1440, 960, 975, 495)));
    connect(okButton, &QPushButton::clicked, this, &QWidget::close);

    // Pointer moves without a button pressed reach only widgets that track the mouse.
    setMouseTracking(true);
    guideLink->setMouseTracking(true);
    guideLink->installEventFilter(this);
    showLinkIdle();
}

bool HelpWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == guideLink) {
        if (event->type() == QEvent::MouseMove) {
            showLinkHovered();
        } else if (event->type() == QEvent::MouseButtonRelease) {
            // A click is a press and a release of the left button over the link.
            const auto *release = static_cast<QMouseEvent *>(event);
            if (release->button() == Qt::LeftButton && guideLink->rect().contains(release->position().toPoint()))
                openGuide();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void HelpWindow::mouseMoveEvent(QMouseEvent *event)
{
    // Moves over a control that passes them on arrive here too; only the background counts.
    if (childAt(event->position().toPoint()) == nullptr)
        showLinkIdle();
    QWidget::mouseMoveEvent(event);
}

// Night vision turned on or off while the window is open: the link keeps its look in the new colours.
void HelpWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        setLinkLook(guideLink->font().underline());
}

void HelpWindow::showLinkHovered()
{
    setLinkLook(true);
    setCursor(Qt::PointingHandCursor);
}

void HelpWindow::showLinkIdle()
{
    setLinkLook(false);
    unsetCursor();
}

// Black, and blue under the pointer; under night vision the palette's text and link colours,
// which black would hide and blue dim to nearly nothing.
void HelpWindow::setLinkLook(bool hovered)
{
    QFont font = guideLink->font();
    font.setBold(false);
    font.setUnderline(hovered);
    guideLink->setFont(font);

    const QPalette shared = QApplication::palette();
    QColor colour = hovered ? QColor(0, 0, 255) : QColor(0, 0, 0);
    if (isNightVision(shared))
        colour = shared.color(hovered ? QPalette::Link : QPalette::WindowText);
    QPalette palette = guideLink->palette();
    palette.setColor(QPalette::WindowText, colour);
    guideLink->setPalette(palette);
}

void HelpWindow::openGuide()
{
    openInBrowser(browser, messages, guideAddress);
}

HelpWindow *showHelpWindow(QPointer<HelpWindow> &help, Browser &browser, Messages &messages, const QUrl &guideAddress)
{
    // No parent: the help window stays open when the main window closes, and the program
    // ends when the last of its windows closes.
    if (help.isNull())
        help = new HelpWindow(browser, messages, guideAddress);
    help->setWindowState(help->windowState() & ~Qt::WindowMinimized);
    help->show();
    help->raise();
    help->activateWindow();
    return help;
}
