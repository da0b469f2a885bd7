#include "ui/main/skyplot.h"

#include <QApplication>
#include <QTest>

#include <cmath>
#include <numbers>

namespace {

// Whether the pixel at a fraction of the disc's radius in the direction of an azimuth is white.
bool whiteAt(const SkyPlot &chart, double azDeg, double radiusFraction = 0.6)
{
    const double radius = chart.width() / 4.0 * radiusFraction;
    const double angle = (azDeg + 90.0) * std::numbers::pi / 180.0;  // counter-clockwise from 3 o'clock
    const QPoint pixel(qRound(chart.width() * 0.45 + radius * std::cos(angle)),
                       qRound(chart.height() * 0.45 - radius * std::sin(angle)));
    return chart.picture().pixelColor(pixel) == QColor(Qt::white);
}

}  // namespace

class TestSkyPlot : public QObject {
    Q_OBJECT

private slots:
    void sliceCoversTheWindow_data();
    void sliceCoversTheWindow();
};

void TestSkyPlot::sliceCoversTheWindow_data()
{
    QTest::addColumn<QString>("minAz");
    QTest::addColumn<QString>("maxAz");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("scale");  // of the designed 89 x 81 pixels
    QTest::addColumn<QString>("white");  // azimuths
    QTest::addColumn<QString>("dark");

    const QString all = QStringLiteral("0 45 90 135 180 225 270 315");
    QTest::newRow("full, inclusive") << "0" << "360" << "Inclusive" << 1 << all << "";
    QTest::newRow("full, exclusive") << "0" << "360" << "Exclusive" << 1 << all << "";
    QTest::newRow("equal edges") << "120" << "120" << "Inclusive" << 1 << all << "";
    QTest::newRow("south half") << "90" << "270" << "Inclusive" << 1 << "135 180 225" << "315 0 45";
    QTest::newRow("north half") << "90" << "270" << "Exclusive" << 1 << "315 0 45" << "135 180 225";
    QTest::newRow("edge at 270") << "180" << "270" << "Inclusive" << 1 << "200 225 250" << "290 315 0 90";
    QTest::newRow("across north") << "60" << "300" << "Exclusive" << 1 << "340 0 20" << "90 180 270";
    QTest::newRow("unknown caption is inclusive") << "90" << "270" << "inclusive" << 1 << "180" << "0";
    QTest::newRow("not a number") << "east" << "360" << "Inclusive" << 1 << "" << all;
    QTest::newRow("doubled box") << "90" << "270" << "Inclusive" << 2 << "135 180 225" << "315 0 45";
}

void TestSkyPlot::sliceCoversTheWindow()
{
    QFETCH(QString, minAz);
    QFETCH(QString, maxAz);
    QFETCH(QString, mode);
    QFETCH(int, scale);
    QFETCH(QString, white);
    QFETCH(QString, dark);

    SkyPlot chart;
    chart.resize(89 * scale, 81 * scale);
    chart.drawSkyPlot(QStringLiteral("0"), QStringLiteral("360"), QStringLiteral("Inclusive"), QLocale::c());
    chart.drawSkyPlot(minAz, maxAz, mode, QLocale::c());  // every drawing starts afresh
    QCOMPARE(chart.picture().size(), chart.size());
    for (const QString &azDeg : white.split(u' ', Qt::SkipEmptyParts))
        QVERIFY2(whiteAt(chart, azDeg.toDouble()), qPrintable(azDeg));
    for (const QString &azDeg : dark.split(u' ', Qt::SkipEmptyParts))
        QVERIFY2(!whiteAt(chart, azDeg.toDouble()), qPrintable(azDeg));
    QVERIFY(!whiteAt(chart, 0, 1.3) && !whiteAt(chart, 180, 1.3));  // outside the disc
}

QTEST_MAIN(TestSkyPlot)
#include "test_skyplot.moc"
