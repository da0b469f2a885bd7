#pragma once

#include "ui/platform/browser.h"
#include "ui/platform/clock.h"
#include "ui/platform/filechooser.h"
#include "ui/platform/messages.h"
#include "ui/platform/platform.h"
#include "ui/platform/printing.h"

class QWidget;

// The real dialogs, browser and clock.

class QtFileChooser : public FileChooser {
public:
    FileChoice chooseFile(const FileRequest &request) override;
};

class QtMessages : public Messages {
public:
    void showMessage(const QString &title, const QString &text) override;
    void showWarning(const QString &title, const QString &text) override;
    std::optional<QString> askText(const QString &title, const QString &question, const QString &preset) override;
    bool confirm(const QString &title, const QString &question) override;
};

class QtBrowser : public Browser {
public:
    bool openAddress(const QUrl &address) override;
};

class QtPrinting : public Printing {
public:
    PrintChoice choosePrinter(QPrinter &printer, bool nightVision) override;
};

class SystemClock : public Clock {
public:
    QDateTime localNow() const override;
};

// Owns one of each, for the program's main().
struct QtPlatform {
    QtFileChooser files;
    QtMessages messages;
    QtBrowser browser;
    SystemClock clock;
    QtPrinting printing;

    Platform platform() { return Platform{files, messages, browser, clock, printing}; }
};
