#include "ui/help/helpform.h"

#include "ui/common/twips.h"
#include "ui/common/windowlook.h"
#include "ui/platform/browser.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

Helpform::Helpform(Browser &browser, const QUrl &address, QWidget *parent)
    : QWidget(parent, Qt::Window), browser(browser), address(address)
{
    setObjectName(QStringLiteral("Helpform"));
    setWindowTitle(QStringLiteral("Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(windowFont());
    setFixedSize(twipsToPixels(QSize(3915, 1650)));

    Label1 = new QLabel(QStringLiteral("For assistance, please visit the Nocturo website at"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twipsToPixels(QRect(120, 120, 3735, 375)));
    Label1->setWordWrap(true);

    // The link names what it opens; where the guide lies is in the tool tip.
    Label2 = new QLabel(QStringLiteral("Nocturo User Guide"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(twipsToPixels(QRect(600, 480, 2775, 375)));
    Label2->setToolTip(address.toDisplayString(QUrl::PreferLocalFile));

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsToPixels(QRect(1440, 960, 975, 495)));
    connect(Command1, &QPushButton::clicked, this, &Helpform::Command1_Click);

    // Pointer moves without a button pressed reach only widgets that track the mouse.
    setMouseTracking(true);
    Label2->setMouseTracking(true);
    Label2->installEventFilter(this);
    Form_MouseMove();
}

void Helpform::Label2_MouseMove()
{
    setLinkLook(true, QColor(0, 0, 255));
    setCursor(Qt::PointingHandCursor);
}

void Helpform::Form_MouseMove()
{
    setLinkLook(false, QColor(0, 0, 0));
    unsetCursor();
}

void Helpform::Label2_Click()
{
    // A browser that cannot be started is not reported: the guide's address stays in view
    // for the observer to open by hand.
    browser.openAddress(address);
}

void Helpform::Command1_Click()
{
    close();
}

bool Helpform::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Label2) {
        if (event->type() == QEvent::MouseMove) {
            Label2_MouseMove();
        } else if (event->type() == QEvent::MouseButtonRelease) {
            // A click is a press and a release of the left button over the link.
            const auto *release = static_cast<QMouseEvent *>(event);
            if (release->button() == Qt::LeftButton && Label2->rect().contains(release->position().toPoint()))
                Label2_Click();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Helpform::mouseMoveEvent(QMouseEvent *event)
{
    // Moves over a control that passes them on arrive here too; only the background counts.
    if (childAt(event->position().toPoint()) == nullptr)
        Form_MouseMove();
    QWidget::mouseMoveEvent(event);
}

void Helpform::setLinkLook(bool underline, const QColor &colour)
{
    QFont font = Label2->font();
    font.setBold(false);
    font.setUnderline(underline);
    Label2->setFont(font);

    QPalette palette = Label2->palette();
    palette.setColor(QPalette::WindowText, colour);
    Label2->setPalette(palette);
}

Helpform *showHelpForm(QPointer<Helpform> &help, Browser &browser, const QUrl &address)
{
    // No parent: the help window stays open when the main window closes, and the program
    // ends when the last of its windows closes.
    if (help.isNull())
        help = new Helpform(browser, address);
    help->setWindowState(help->windowState() & ~Qt::WindowMinimized);
    help->show();
    help->raise();
    help->activateWindow();
    return help;
}
