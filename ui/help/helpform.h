#pragma once

#include <QPointer>
#include <QUrl>
#include <QWidget>

class Browser;
class QLabel;
class QPushButton;

// The "Help" window: where to find assistance, a link to Nocturo's user guide, and "OK".
//
// The link takes the look of a web link when the pointer moves over it, and becomes plain
// again only when the pointer moves over the window's background: moving from the link onto
// the button or out of the window leaves the web-link look in place. The window is deleted
// when it closes, so every opening starts with the plain look.
class Helpform : public QWidget {
    Q_OBJECT

public:
    Helpform(Browser &browser, const QUrl &address, QWidget *parent = nullptr);

    // The pointer moved over the link: underlined, blue, pointing-hand pointer.
    void Label2_MouseMove();
    // The pointer moved over the window's background: plain black text, default pointer.
    void Form_MouseMove();
    // Opens the guide in a new browser window; the help window stays open.
    void Label2_Click();
    // "OK": closes the window, which deletes it.
    void Command1_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void setLinkLook(bool underline, const QColor &colour);

    Browser &browser;
    const QUrl address;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QPushButton *Command1 = nullptr;
};

// The Help command of the main window: creates the help window for the guide at address when
// none is open, otherwise brings the open one to the front. Returns the window shown.
Helpform *showHelpForm(QPointer<Helpform> &help, Browser &browser, const QUrl &address);
