#pragma once

#include <QString>

// Modal message boxes with an OK button only, reached through an interface so that no test
// ever waits on a dialog. A warning says that something the observer asked for was not done.
class Messages {
public:
    virtual ~Messages() = default;

    virtual void showMessage(const QString &title, const QString &text) = 0;
    virtual void showWarning(const QString &title, const QString &text) = 0;
};
