#include "ui/year/yearmapview.h"

#include "ui/year/yearmapimage.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {

QDate dateOf(const CalendarDate &date)
{
    return QDate(date.year, date.month, date.day);
}

// The night's date and minutes, one figure a line.
QString nightText(const YearMapNight &night)
{
    QString text = QStringLiteral("%1\nVisible %2 min\nMoonless %3 min")
                       .arg(dateOf(night.date).toString(Qt::ISODate))
                       .arg(night.visibleMinutes)
                       .arg(night.moonlessMinutes);
    if (night.shownMinutes)
        text += QStringLiteral("\nDifficult or better %1 min").arg(*night.shownMinutes);
    return text;
}

}  // namespace

YearMapView::YearMapView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("yearMap"));
    setMinimumSize(400, 220);
    setCursor(Qt::PointingHandCursor);
}

void YearMapView::setMap(YearMap map)
{
    m_map = std::move(map);
    m_image = {};
    update();
}

bool YearMapView::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const YearMapNight *night = nightAt(help->pos());
    if (!night) {
        QToolTip::hideText();
        return true;
    }
    QToolTip::showText(help->globalPos(), nightText(*night), this);
    return true;
}

void YearMapView::paintEvent(QPaintEvent *)
{
    if (m_image.isNull() || m_image.size() != size())
        m_image = drawYearMap(m_map, size(), palette(), font());
    QPainter(this).drawImage(0, 0, m_image);
}

void YearMapView::mousePressEvent(QMouseEvent *event)
{
    const YearMapNight *night = event->button() == Qt::LeftButton ? nightAt(event->position().toPoint()) : nullptr;
    if (night)
        emit nightChosen(dateOf(night->date));
}

void YearMapView::resizeEvent(QResizeEvent *)
{
    m_image = {};
}

// Night vision comes as a new palette.
void YearMapView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
        m_image = {};
    QWidget::changeEvent(event);
}

const YearMapNight *YearMapView::nightAt(QPoint point) const
{
    const std::optional<std::size_t> night = yearMapNightAt(point, size(), m_map);
    return night ? &m_map.nights[*night] : nullptr;
}
