#pragma once

#include "plan/observerfield.h"
#include "plan/problem.h"
#include "sky/contrastreserve.h"
#include "sky/skybrightness.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

// The observer's sky and telescope as typed: every field's text, read only when something needs
// them.
struct ObserverTexts {
    std::array<QString, ObserverFieldCount> fields;

    // The first values of the fields.
    ObserverTexts();

    QString &operator[](ObserverField field) { return fields[std::size_t(field)]; }
    const QString &operator[](ObserverField field) const { return fields[std::size_t(field)]; }

    friend bool operator==(const ObserverTexts &, const ObserverTexts &) = default;
};

// The observer's sky and telescope read into numbers.
struct SkyAndTelescope {
    ObserverSky sky;
    Telescope telescope;

    friend bool operator==(const SkyAndTelescope &, const SkyAndTelescope &) = default;
};

// Numbers are read as readFieldNumber() reads them, within the limits of their field; the
// magnifications are separated by blanks or semicolons. Every field that cannot be read is a
// problem of its own, in the order of the fields, with the field it is about.
Result<SkyAndTelescope> readSkyAndTelescope(const ObserverTexts &texts, const QLocale &locale);

// The observer of a first start: the fields' first values.
SkyAndTelescope firstSkyAndTelescope();

// The magnifications of a list split into its values ("40 80 120" in the window, "40,80,120" on
// the command line): none when a value is not a number within the limits, or there are none or
// more than MostMagnifications.
std::optional<std::vector<double>> readMagnifications(const QStringList &values, const QLocale &locale);

// What an observer who typed something unreadable into the field is told to type instead.
QString expectedObserverValue(ObserverField field, const QLocale &locale);
