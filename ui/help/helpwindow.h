#pragma once

#include <QPointer>
#include <QUrl>
#include <QWidget>

class Browser;
class Messages;
class QLabel;
class QPushButton;

// The "Help" window: where to find assistance, a link to Nocturo's user guide, and "OK".
//
// The link takes the look of a web link when the pointer moves over it, and becomes plain
// again only when the pointer moves over the window's background: moving from the link onto
// the button or out of the window leaves the web-link look in place. "OK" closes the window,
// which deletes it, so every opening starts with the plain look.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    HelpWindow(Browser &browser, Messages &messages, const QUrl &guideAddress, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Underlined, blue (the link colour under night vision), pointing-hand pointer.
    void showLinkHovered();
    // Plain black (red under night vision) text, default pointer.
    void showLinkIdle();
    void setLinkLook(bool hovered);
    // Opens the guide in a new browser window, or says that none could start; the help window
    // stays open.
    void openGuide();

    Browser &browser;
    Messages &messages;
    const QUrl guideAddress;
    QLabel *guideText = nullptr;
    QLabel *guideLink = nullptr;
    QPushButton *okButton = nullptr;
};

// The Help command of the main window: creates the help window for the guide at guideAddress
// when none is open, otherwise brings the open one to the front. Returns the window shown.
HelpWindow *showHelpWindow(QPointer<HelpWindow> &help, Browser &browser, Messages &messages, const QUrl &guideAddress);
