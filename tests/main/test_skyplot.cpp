#include "ui/main/skyplot.h"

#include <QApplication>
#include <QTest>

#include <cmath>
#include <numbers>

namespace {

// The chart at its designed size in the window: 1335 x 1215 twips.
constexpr int ChartWidthPx = 89;
constexpr int ChartHeightPx = 81;

bool isWhite(const QImage &picture, QPoint pixel)
{
    return picture.pixelColor(pixel) == QColor(Qt::white);
}

// The pixel at a fraction of the disc's radius in the direction of an azimuth.
QPoint pixelAt(const SkyPlot &chart, double azDeg, double radiusFraction = 0.6)
{
    const double centreX = chart.width() / 2.0 * 0.9;
    const double centreY = chart.height() / 2.0 * 0.9;
    const double radius = chart.width() / 2.0 * 0.5 * radiusFraction;
    const double angle = (azDeg + 90.0) * std::numbers::pi / 180.0;  // counter-clockwise from 3 o'clock
    return QPoint(qRound(centreX + radius * std::cos(angle)), qRound(centreY - radius * std::sin(angle)));
}

int whitePixelCount(const QImage &picture)
{
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            count += isWhite(picture, {x, y}) ? 1 : 0;
    return count;
}

}  // namespace

class TestSkyPlot : public QObject {
    Q_OBJECT

private slots:
    void sliceCoversTheWindow_data();
    void sliceCoversTheWindow();
    void textThatIsNotANumberLeavesTheDiscEmpty();
    void anglesOfTheEdges();
    void chartScalesWithItsBox();
};

void TestSkyPlot::sliceCoversTheWindow_data()
{
    QTest::addColumn<QString>("minAz");
    QTest::addColumn<QString>("maxAz");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QList<double>>("whiteAzimuths");
    QTest::addColumn<QList<double>>("darkAzimuths");

    const QList<double> compass{0, 45, 90, 135, 180, 225, 270, 315};
    QTest::newRow("start-up window, inclusive") << "0" << "360" << "Inclusive" << compass << QList<double>{};
    QTest::newRow("start-up window, exclusive") << "0" << "360" << "Exclusive" << compass << QList<double>{};
    QTest::newRow("equal edges") << "120" << "120" << "Inclusive" << compass << QList<double>{};
    QTest::newRow("south half") << "90" << "270" << "Inclusive" << QList<double>{135, 180, 225}
                                << QList<double>{315, 0, 45};
    QTest::newRow("north half") << "90" << "270" << "Exclusive" << QList<double>{315, 0, 45}
                                << QList<double>{135, 180, 225};
    QTest::newRow("north-east quarter") << "0" << "90" << "Inclusive" << QList<double>{45}
                                        << QList<double>{135, 180, 225, 270, 315};
    QTest::newRow("all but north-east") << "0" << "90" << "Exclusive" << QList<double>{135, 180, 225, 315}
                                        << QList<double>{45};
    QTest::newRow("edge at 270") << "180" << "270" << "Inclusive" << QList<double>{200, 225, 250}
                                 << QList<double>{290, 315, 0, 90};
    QTest::newRow("across north") << "60" << "300" << "Exclusive" << QList<double>{340, 0, 20}
                                  << QList<double>{90, 180, 270};
    QTest::newRow("unknown caption is inclusive") << "90" << "270" << "inclusive"
                                                  << QList<double>{180} << QList<double>{0};
}

void TestSkyPlot::sliceCoversTheWindow()
{
    QFETCH(QString, minAz);
    QFETCH(QString, maxAz);
    QFETCH(QString, mode);
    QFETCH(QList<double>, whiteAzimuths);
    QFETCH(QList<double>, darkAzimuths);

    SkyPlot chart;
    chart.resize(ChartWidthPx, ChartHeightPx);
    chart.drawSkyPlot(minAz, maxAz, mode, QLocale::c());
    for (double azDeg : whiteAzimuths)
        QVERIFY2(isWhite(chart.picture(), pixelAt(chart, azDeg)), qPrintable(QString::number(azDeg)));
    for (double azDeg : darkAzimuths)
        QVERIFY2(!isWhite(chart.picture(), pixelAt(chart, azDeg)), qPrintable(QString::number(azDeg)));
    // Outside the disc nothing is white.
    QVERIFY(!isWhite(chart.picture(), pixelAt(chart, 0, 1.3)));
    QVERIFY(!isWhite(chart.picture(), pixelAt(chart, 180, 1.3)));
}

void TestSkyPlot::textThatIsNotANumberLeavesTheDiscEmpty()
{
    SkyPlot chart;
    chart.resize(ChartWidthPx, ChartHeightPx);
    chart.drawSkyPlot(QStringLiteral("0"), QStringLiteral("360"), QStringLiteral("Inclusive"), QLocale::c());
    QVERIFY(whitePixelCount(chart.picture()) > 1000);
    chart.drawSkyPlot(QStringLiteral("east"), QStringLiteral("360"), QStringLiteral("Inclusive"), QLocale::c());
    QCOMPARE(whitePixelCount(chart.picture()), 0);
}

void TestSkyPlot::anglesOfTheEdges()
{
    const double quarter = std::numbers::pi / 2.0;
    // 270 comes to a full turn, which is reduced to 0 and then kept just above it.
    QCOMPARE(skyPlotAngles(0.0, 270.0, false).endRad, 1e-8);
    QCOMPARE(skyPlotAngles(0.0, 270.0, false).startRad, quarter);
    QVERIFY(qAbs(skyPlotAngles(315.0, 360.0, false).startRad - std::numbers::pi / 4.0) < 1e-12);
    // Exclusive runs from the maximum round to the minimum.
    const SkyPlotAngles exclusive = skyPlotAngles(90.0, 180.0, true);
    QCOMPARE(exclusive.startRad, 3.0 * quarter);
    QCOMPARE(exclusive.endRad, 2.0 * quarter);
}

void TestSkyPlot::chartScalesWithItsBox()
{
    SkyPlot chart;
    chart.resize(2 * ChartWidthPx, 2 * ChartHeightPx);
    chart.drawSkyPlot(QStringLiteral("90"), QStringLiteral("270"), QStringLiteral("Inclusive"), QLocale::c());
    QCOMPARE(chart.picture().size(), QSize(2 * ChartWidthPx, 2 * ChartHeightPx));
    QVERIFY(isWhite(chart.picture(), pixelAt(chart, 180, 0.9)));
    QVERIFY(!isWhite(chart.picture(), pixelAt(chart, 0, 0.9)));
}

QTEST_MAIN(TestSkyPlot)
#include "test_skyplot.moc"
