#pragma once

#include <QLocale>
#include <QString>

// Fixed-point numbers written the way a locale writes them (QLocale::toString with 'f'),
// made fast enough to format every cell of the list at every keystroke. The locale's
// symbols are looked up once; the common case (ASCII digits, under a thousand) is written
// directly, and anything else goes through QLocale itself.
class LocaleNumbers {
public:
    explicit LocaleNumbers(const QLocale &locale);

    QString fixed(double value, int decimals) const;
    void appendFixed(QString &text, double value, int decimals) const;

    const QLocale &locale() const { return m_locale; }

private:
    QLocale m_locale;
    QChar m_decimalPoint;
    QString m_negativeSign;
    bool m_asciiDigits = true;
};
