#pragma once

#include <QString>

#include <optional>

// Modal message boxes with an OK button only, a question answered by a line of text and one answered yes or no, reached
// through an interface so that no test ever waits on a dialog. A warning says that something the
// observer asked for was not done.
class Messages {
public:
    virtual ~Messages() = default;

    virtual void showMessage(const QString &title, const QString &text) = 0;
    virtual void showWarning(const QString &title, const QString &text) = 0;
    // The text the observer typed, starting from preset; none when the question was cancelled.
    virtual std::optional<QString> askText(const QString &title, const QString &question, const QString &preset) = 0;
    // Whether the observer answered yes to a question that asks before something is lost.
    virtual bool confirm(const QString &title, const QString &question) = 0;
};
