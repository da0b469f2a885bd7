#include "astro/localenumbers.h"

#include <QTest>

#include <cmath>

// The fast fixed-point writer must write exactly what the locale itself writes.

class TestLocaleNumbers : public QObject {
    Q_OBJECT

private slots:
    void matchesTheLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("C") << QLocale::c();
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany);
        QTest::newRow("fr_FR") << QLocale(QLocale::French, QLocale::France);
        QTest::newRow("sv_SE, minus sign") << QLocale(QLocale::Swedish, QLocale::Sweden);
        QTest::newRow("ar_EG, own digits") << QLocale(QLocale::Arabic, QLocale::Egypt);
        QTest::newRow("hi_IN, own grouping") << QLocale(QLocale::Hindi, QLocale::India);
    }

    void matchesTheLocale()
    {
        QFETCH(QLocale, locale);
        const LocaleNumbers numbers(locale);

        // Exact halves, values just beside them, zeros of both signs, the grouping edge.
        QList<double> values{0.125, -0.125, 2.5, -2.5, 0.375, 1.005, 2.675, 0.0, -0.0, -0.001, -0.4,
                             59.95, 59.96, 999.994, 999.996, 1000.0, 1234.5, -98765.4321, 45.267, 1e-9};
        for (int i = 0; i < 4000; ++i)
            values << (i * 0.0731 - 146.0) * (i % 7 == 0 ? -1.0 : 1.0);

        for (double value : values) {
            for (int decimals : {0, 1, 2}) {
                QString expected = locale.toString(value, 'f', decimals);
                // A value that rounds to zero carries no sign: "-0.00" would read as a direction.
                if (expected.startsWith(locale.negativeSign()) && std::abs(value) * std::pow(10, decimals) < 0.5)
                    expected.remove(0, locale.negativeSign().size());
                QCOMPARE(numbers.fixed(value, decimals), expected);
            }
        }
        QCOMPARE(numbers.fixed(-0.004, 2), locale.toString(0.0, 'f', 2));
    }
};

QTEST_APPLESS_MAIN(TestLocaleNumbers)
#include "test_localenumbers.moc"
