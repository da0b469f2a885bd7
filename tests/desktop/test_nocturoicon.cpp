#include "desktop/nocturoicon.h"

#include <QImage>
#include <QTest>

class TestNocturoIcon : public QObject {
    Q_OBJECT

private slots:
    void hasBothWindowIconSizes();
    void showsTheNightSkyDisc();
};

void TestNocturoIcon::hasBothWindowIconSizes()
{
    const QList<QSize> sizes = nocturoIcon().availableSizes();
    QVERIFY(sizes.contains(QSize(16, 16)));
    QVERIFY(sizes.contains(QSize(32, 32)));
}

void TestNocturoIcon::showsTheNightSkyDisc()
{
    const QImage image = nocturoIcon().pixmap(QSize(32, 32)).toImage();
    QCOMPARE(image.size(), QSize(32, 32));
    // Corners lie outside the disc and stay transparent; below the centre is dark sky; above
    // it is the white azimuth window.
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    const QColor sky = image.pixelColor(16, 22);
    QVERIFY(sky.alpha() == 255 && sky.lightness() < 64);
    QCOMPARE(image.pixelColor(16, 9), QColor(Qt::white));
}

QTEST_MAIN(TestNocturoIcon)
#include "test_nocturoicon.moc"
