#include "ui/common/nightvision.h"

#include "ui/common/windowlook.h"

#include <QApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QProxyStyle>
#include <QSettings>
#include <QStyleOption>

namespace {

// Text is full red on black: 5.25:1, the most contrast red can have on black, and more than the
// 4.5:1 that text needs to be read (WCAG 2.1, 1.4.3). A selected row turns the two round. The
// screen's brightness, not the contrast, is what to turn down at the telescope.
const QColor Black(0, 0, 0);
const QColor TextRed(255, 0, 0);
const QColor DisabledRed(240, 0, 0);  // 4.7:1, still above 4.5:1
const QColor FrameRed(130, 0, 0);     // lines and bevels, seen but not read
const QString SettingKey = QStringLiteral("view/nightVision");

QImage inRed(QImage image)
{
    image = std::move(image).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qRgba(qGray(line[x]), 0, 0, qAlpha(line[x]));
    }
    return image;
}

// An icon drawn in shades of red, its lightness kept, in every mode and size it is asked for.
// It colours when drawn, in the thread that draws, since file icons are looked up in a worker.
class RedIconEngine : public QIconEngine {
public:
    explicit RedIconEngine(const QIcon &icon) : m_icon(icon) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        const QPixmap shown = m_icon.pixmap(size, mode, state);
        return shown.isNull() ? shown : QPixmap::fromImage(inRed(shown.toImage()));
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return m_icon.actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return m_icon.availableSizes(mode, state);
    }
    QIconEngine *clone() const override { return new RedIconEngine(m_icon); }

private:
    QIcon m_icon;
};

// The usual style, with three changes under night vision: the frames of fields, tables, menus and
// check boxes, and the grid lines of tables, which the style draws a shade darker than the
// window and so black on black, are drawn in the frame colour (the selection colour around the
// field being typed into); and the style's icons are red.
class NightVisionStyle : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        const bool framed = element == PE_Frame || element == PE_FrameLineEdit || element == PE_FrameMenu
                            || element == PE_IndicatorCheckBox;
        if (framed && isNightVision(option->palette))
            drawFrame(*option, *painter);
    }

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_Table_GridLineColor && option && isNightVision(option->palette))
            return int(option->palette.color(QPalette::Mid).rgba());
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const override
    {
        const QIcon shown = QProxyStyle::standardIcon(icon, option, widget);
        return isNightVision(QApplication::palette()) ? nightVisionIcon(shown) : shown;
    }

private:
    static void drawFrame(const QStyleOption &option, QPainter &painter)
    {
        const bool typing = (option.state & State_HasFocus) && (option.state & State_Enabled);
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(option.palette.color(typing ? QPalette::Highlight : QPalette::Mid));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(option.rect.adjusted(0, 0, -1, -1));
        painter.restore();
    }
};

}  // namespace

QPalette nightVisionPalette()
{
    QPalette palette;
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button,
                                           QPalette::AlternateBase, QPalette::ToolTipBase, QPalette::HighlightedText})
        palette.setColor(role, Black);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                                           QPalette::ToolTipText, QPalette::BrightText, QPalette::Link,
                                           QPalette::LinkVisited, QPalette::Highlight})
        palette.setColor(role, TextRed);
    for (const QPalette::ColorRole role : {QPalette::Light, QPalette::Midlight, QPalette::Mid, QPalette::Dark,
                                           QPalette::Shadow})
        palette.setColor(role, FrameRed);
    palette.setColor(QPalette::PlaceholderText, DisabledRed);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, DisabledRed);
    return palette;
}

// By the buttons' colours, which a field marked unreadable keeps.
bool isNightVision(const QPalette &palette)
{
    return palette.color(QPalette::Button) == Black && palette.color(QPalette::ButtonText) == TextRed;
}

QIcon nightVisionIcon(const QIcon &icon)
{
    return icon.isNull() ? icon : QIcon(new RedIconEngine(icon));
}

// The night-vision style is put in once, the first time night vision is asked for; with the
// usual palette it draws as the usual style does.
void applyNightVision(bool on)
{
    if (on && !dynamic_cast<NightVisionStyle *>(QApplication::style()))
        QApplication::setStyle(new NightVisionStyle);
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
