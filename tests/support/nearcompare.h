#pragma once

#include <QString>
#include <QTest>

#include <cmath>

// Passes when actual lies within tolerance of wanted; a failure prints all three.
#define QCOMPARE_NEAR(actual, wanted, tolerance)                                                          \
    do {                                                                                                  \
        const double actualValue = (actual), wantedValue = (wanted), toleranceValue = (tolerance);       \
        QVERIFY2(std::abs(actualValue - wantedValue) <= toleranceValue,                                   \
                 qPrintable(QStringLiteral("wanted %1, got %2, tolerance %3")                            \
                                .arg(wantedValue, 0, 'g', 12)                                             \
                                .arg(actualValue, 0, 'g', 12)                                             \
                                .arg(toleranceValue)));                                                   \
    } while (false)
