#pragma once

#include <QLocale>
#include <QString>

// The rules applied when the observer leaves a session field.

// The time rule is the session's own (normalizeTimeText, plan/sessiontext.h).

// True when both azimuths read as numbers and the window is reversed (MaxAz below MinAz).
// A text that is not a number breaks no order; the list marks it instead.
bool azimuthWindowReversed(const QString &minAzText, const QString &maxAzText, const QLocale &locale);
