#include "ui/common/nightvision.h"

#include "ui/common/windowlook.h"

#include <QApplication>
#include <QSettings>
#include <QStyle>

namespace {

const QColor DeepRed(150, 0, 0);
const QColor DimRed(90, 0, 0);
const QColor Darkest(12, 0, 0);
const QString SettingKey = QStringLiteral("view/nightVision");

}  // namespace

QPalette nightVisionPalette()
{
    QPalette palette;
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button,
                                           QPalette::AlternateBase, QPalette::ToolTipBase})
        palette.setColor(role, Darkest);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                                           QPalette::ToolTipText, QPalette::BrightText, QPalette::Link})
        palette.setColor(role, DeepRed);
    palette.setColor(QPalette::Highlight, DimRed);
    palette.setColor(QPalette::HighlightedText, Qt::black);
    for (const QPalette::ColorRole role : {QPalette::Light, QPalette::Midlight, QPalette::Mid, QPalette::Dark,
                                           QPalette::Shadow, QPalette::PlaceholderText})
        palette.setColor(role, DimRed);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, DimRed);
    palette.setColor(QPalette::Disabled, QPalette::Text, DimRed);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, DimRed);
    return palette;
}

bool isNightVision(const QPalette &palette)
{
    return palette.color(QPalette::Window) == Darkest && palette.color(QPalette::WindowText) == DeepRed;
}

void applyNightVision(bool on)
{
    QApplication::setPalette(on ? nightVisionPalette() : QApplication::style()->standardPalette());
}

bool rememberedNightVision()
{
    return QSettings(ApplicationTitle, ApplicationTitle).value(SettingKey, false).toBool();
}

void rememberNightVision(bool on)
{
    QSettings(ApplicationTitle, ApplicationTitle).setValue(SettingKey, on);
}
