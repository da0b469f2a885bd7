// Draws Nocturo's icon: a night-sky disc seen from below, as the horizon chart shows it (north
// up, east left), with a white azimuth window from 300 through north to 60 degrees and a few
// stars. Writes the scalable SVG and the PNG sizes the program and the desktop menus use, from
// the one description below, so that they cannot drift apart.
//
// Run it after changing the drawing:  cmake --build <build> --target nocturo_icons

#include <QFile>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTextStream>
#include <QtMath>

#include <cstdio>

namespace {

// Drawing units: a 64 x 64 canvas.
constexpr double Canvas = 64;
const QPointF Centre(32, 32);
constexpr double DiscRadius = 30;
constexpr double RimWidth = 2;
constexpr double WindowRadius = 25;
// The azimuth window as angles in Qt's convention: counter-clockwise from three o'clock.
// The chart puts azimuth a at 90 + a degrees, so azimuth 300 is at 30 and azimuth 60 at 150.
constexpr double WindowStart = 30;
constexpr double WindowSweep = 120;

const QColor Sky(0x10, 0x1c, 0x3d);
const QColor Rim(0x4a, 0x5f, 0x8f);
const QColor Window(Qt::white);
const QColor Starlight(0xff, 0xe9, 0xa8);

struct Star {
    QPointF centre;
    double radius;
};

const QList<Star> Stars = {
    {{15, 42}, 4.5},
    {{45, 48}, 3.5},
    {{29, 54}, 3.0},
    {{51, 35}, 2.5},
};

QPointF onCircle(double degrees, double radius)
{
    const double radians = qDegreesToRadians(degrees);
    return Centre + QPointF(radius * qCos(radians), -radius * qSin(radians));
}

// A four-pointed sparkle: long rays along the axes, short ones on the diagonals.
QPolygonF starOutline(const Star &star)
{
    QPolygonF outline;
    for (int corner = 0; corner < 8; ++corner) {
        const double radius = corner % 2 == 0 ? star.radius : star.radius * 0.35;
        const double radians = qDegreesToRadians(45.0 * corner);
        outline << star.centre + QPointF(radius * qCos(radians), -radius * qSin(radians));
    }
    return outline;
}

QString number(double value)
{
    return QString::number(value, 'g', 6);
}

QString svgText()
{
    QString text;
    QTextStream svg(&text);
    svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" viewBox=\"0 0 64 64\">\n"
        << "  <title>Nocturo</title>\n"
        << "  <circle cx=\"" << number(Centre.x()) << "\" cy=\"" << number(Centre.y()) << "\" r=\""
        << number(DiscRadius - RimWidth / 2) << "\" fill=\"" << Sky.name() << "\" stroke=\"" << Rim.name()
        << "\" stroke-width=\"" << number(RimWidth) << "\"/>\n";

    // Sweep flag 0: the arc runs counter-clockwise on the screen, through north.
    const QPointF from = onCircle(WindowStart, WindowRadius);
    const QPointF to = onCircle(WindowStart + WindowSweep, WindowRadius);
    svg << "  <path d=\"M" << number(Centre.x()) << " " << number(Centre.y()) << " L" << number(from.x())
        << " " << number(from.y()) << " A" << number(WindowRadius) << " " << number(WindowRadius)
        << " 0 0 0 " << number(to.x()) << " " << number(to.y()) << " Z\" fill=\"" << Window.name()
        << "\"/>\n";

    for (const Star &star : Stars) {
        QStringList points;
        for (const QPointF &point : starOutline(star))
            points << number(point.x()) + QLatin1Char(',') + number(point.y());
        svg << "  <polygon points=\"" << points.join(QLatin1Char(' ')) << "\" fill=\""
            << Starlight.name() << "\"/>\n";
    }
    svg << "</svg>\n";
    return text;
}

QImage pngImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / Canvas, size / Canvas);

    painter.setPen(QPen(Rim, RimWidth));
    painter.setBrush(Sky);
    const double radius = DiscRadius - RimWidth / 2;
    painter.drawEllipse(Centre, radius, radius);

    QPainterPath window(Centre);
    window.arcTo(QRectF(Centre.x() - WindowRadius, Centre.y() - WindowRadius, 2 * WindowRadius,
                        2 * WindowRadius),
                 WindowStart, WindowSweep);
    window.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Window);
    painter.drawPath(window);

    painter.setBrush(Starlight);
    for (const Star &star : Stars)
        painter.drawPolygon(starOutline(star));
    return image;
}

bool writeSvg(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    return file.write(svgText().toUtf8()) >= 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: nocturo_icon_painter <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);

    bool written = writeSvg(folder + QStringLiteral("/nocturo.svg"));
    for (int size : {16, 32})
        written = pngImage(size).save(folder + QStringLiteral("/nocturo-%1.png").arg(size)) && written;
    if (!written) {
        std::fprintf(stderr, "nocturo_icon_painter: could not write the icons to %s\n", argv[1]);
        return 1;
    }
    return 0;
}
