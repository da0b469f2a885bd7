#pragma once

#include <QString>

class QWidget;

// The mark on an input that cannot be read: a pale red background, with what the observer should
// type as its tooltip. Only the palette changes, so clearing the mark gives the control back the
// exact font, colours and size it had.
void markUnreadable(QWidget *control, const QString &expected);
void clearMark(QWidget *control);
bool isMarked(const QWidget *control);
// After the window's colours changed (night vision), a mark is drawn again in the new colours.
void refreshMark(QWidget *control);
