#pragma once

#include <QString>

// Modal message boxes with an OK button only, reached through an interface so that no test
// ever waits on a dialog.
class Messages {
public:
    virtual ~Messages() = default;

    virtual void showMessage(const QString &title, const QString &text) = 0;
};
