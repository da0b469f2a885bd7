#include "desktop/nocturoicon.h"

#include <QImage>
#include <QTest>

class TestNocturoIcon : public QObject {
    Q_OBJECT

private slots:
    // Both window icon sizes come from the resources: a disc on a transparent square.
    void hasBothSizes()
    {
        const QIcon icon = nocturoIcon();
        QCOMPARE(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}}));
        const QImage image = icon.pixmap(QSize(32, 32)).toImage();
        QVERIFY(qAlpha(image.pixel(0, 0)) == 0 && qAlpha(image.pixel(16, 22)) == 255);
    }
};

QTEST_MAIN(TestNocturoIcon)
#include "test_nocturoicon.moc"
