#include "ui/main/skyplot.h"

#include <QApplication>
#include <QTest>

#include <cmath>
#include <numbers>

namespace {

// Whether the pixel at a fraction of the disc's radius in the direction of an azimuth is white,
// in what the chart shows on the screen.
bool whiteAt(const QImage &shown, double azDeg, double radiusFraction = 0.6)
{
    const double radius = shown.width() / 4.0 * radiusFraction;
    const double angle = (azDeg + 90.0) * std::numbers::pi / 180.0;  // counter-clockwise from 3 o'clock
    const QPoint pixel(qRound(shown.width() * 0.45 + radius * std::cos(angle)),
                       qRound(shown.height() * 0.45 - radius * std::sin(angle)));
    return shown.pixelColor(pixel) == QColor(Qt::white);
}

}  // namespace

class TestSkyPlot : public QObject {
    Q_OBJECT

private slots:
    void sliceCoversTheWindow_data()
    {
        QTest::addColumn<double>("minAz");  // NaN: a field that is not a number
        QTest::addColumn<double>("maxAz");
        QTest::addColumn<bool>("inclusive");
        QTest::addColumn<int>("scale");  // of the designed 89 x 81 pixels
        QTest::addColumn<QString>("white");  // azimuths
        QTest::addColumn<QString>("dark");

        const QString all = QStringLiteral("0 45 90 135 180 225 270 315");
        QTest::newRow("everything") << 0.0 << 360.0 << true << 1 << all << "";
        QTest::newRow("nothing but the edges") << 0.0 << 360.0 << false << 1 << "" << all;
        QTest::newRow("equal edges, inclusive") << 120.0 << 120.0 << true << 1 << "" << all;
        QTest::newRow("equal edges, exclusive") << 120.0 << 120.0 << false << 1 << all << "";
        QTest::newRow("reversed, inclusive") << 270.0 << 90.0 << true << 1 << "" << all;
        QTest::newRow("south half") << 90.0 << 270.0 << true << 1 << "135 180 225" << "315 0 45";
        QTest::newRow("north half") << 90.0 << 270.0 << false << 1 << "315 0 45" << "135 180 225";
        QTest::newRow("edge at 270") << 180.0 << 270.0 << true << 1 << "200 225 250" << "290 315 0 90";
        QTest::newRow("across north") << 60.0 << 300.0 << false << 1 << "340 0 20" << "90 180 270";
        QTest::newRow("beyond the circle") << -1e308 << 1e308 << true << 1 << all << "";
        QTest::newRow("not a number") << qQNaN() << 360.0 << true << 1 << "" << all;
        QTest::newRow("doubled box") << 90.0 << 270.0 << true << 2 << "135 180 225" << "315 0 45";
    }

    void sliceCoversTheWindow()
    {
        QFETCH(double, minAz);
        QFETCH(double, maxAz);
        QFETCH(bool, inclusive);
        QFETCH(int, scale);
        QFETCH(QString, white);
        QFETCH(QString, dark);

        SkyPlot chart;
        chart.resize(89 * scale, 81 * scale);
        chart.drawSkyPlot(AzimuthWindow{});
        std::optional<AzimuthWindow> window;
        if (!qIsNaN(minAz))
            window = AzimuthWindow{minAz, maxAz, inclusive ? AzimuthWindowMode::Inclusive : AzimuthWindowMode::Exclusive};
        chart.drawSkyPlot(window);  // every drawing starts afresh
        const QImage shown = chart.grab().toImage();
        QCOMPARE(shown.size(), chart.size());
        for (const QString &azDeg : white.split(u' ', Qt::SkipEmptyParts))
            QVERIFY2(whiteAt(shown, azDeg.toDouble()), qPrintable(azDeg));
        for (const QString &azDeg : dark.split(u' ', Qt::SkipEmptyParts))
            QVERIFY2(!whiteAt(shown, azDeg.toDouble()), qPrintable(azDeg));
        QVERIFY(!whiteAt(shown, 0, 1.3) && !whiteAt(shown, 180, 1.3));  // outside the disc
    }
};

QTEST_MAIN(TestSkyPlot)
#include "test_skyplot.moc"
