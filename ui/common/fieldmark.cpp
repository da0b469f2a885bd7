#include "ui/common/fieldmark.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace {

constexpr char MarkedProperty[] = "nocturoMarked";

// Pale red on a light look, deep red on a dark one, so that the mark never dazzles at night.
QPalette markedPalette(const QWidget *control)
{
    QPalette palette = QApplication::palette(control);
    const bool dark = palette.color(QPalette::Base).lightness() < 128;
    const QColor background = dark ? QColor(0x4a, 0, 0) : QColor(0xff, 0xd7, 0xd7);
    const QColor text = dark ? QColor(0xff, 0x60, 0x60) : QColor(0x80, 0, 0);
    for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Window})
        palette.setColor(role, background);
    for (const QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText})
        palette.setColor(role, text);
    return palette;
}

}  // namespace

void markUnreadable(QWidget *control, const QString &expected)
{
    if (!isMarked(control)) {
        control->setProperty(MarkedProperty, true);
        // A label paints no background of its own unless asked to.
        if (qobject_cast<QLabel *>(control))
            control->setAutoFillBackground(true);
    }
    control->setPalette(markedPalette(control));
    control->setToolTip(expected);
}

void clearMark(QWidget *control)
{
    if (!isMarked(control))
        return;
    control->setProperty(MarkedProperty, false);
    if (qobject_cast<QLabel *>(control))
        control->setAutoFillBackground(false);
    control->setPalette(QPalette());  // inherit the window's colours again
    control->setToolTip(QString());
}

bool isMarked(const QWidget *control)
{
    return control->property(MarkedProperty).toBool();
}

void refreshMark(QWidget *control)
{
    if (isMarked(control))
        control->setPalette(markedPalette(control));
}
