#include "ui/main/nowcommand.h"

QString gmtDeviationText(double hoursAheadOfGmt, const QLocale &locale)
{
    return locale.toString(hoursAheadOfGmt, 'g', 7);
}
