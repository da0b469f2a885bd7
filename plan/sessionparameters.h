#pragma once

#include <QString>

// The session inputs as the main window's controls hold them: texts, check-box states and
// the azimuth-mode caption, each named after its control. Nothing converts them until a
// list is generated.
struct SessionParameters {
    QString Lat = QStringLiteral("0");        // degrees, north positive
    QString Lon = QStringLiteral("0");        // degrees, east positive
    QString txtDate;                          // local date, the locale's short form
    QString txtTime;                          // local start time, h:m:s
    QString txtGMTDev;                        // hours, local time minus GMT
    QString txtSessLen = QStringLiteral("1"); // hours
    QString MinElev = QStringLiteral("30");   // degrees
    QString MinAz = QStringLiteral("0");      // degrees
    QString MaxAz = QStringLiteral("360");    // degrees
    QString MinMag = QStringLiteral("30");    // faintest magnitude listed
    QString MinSize = QStringLiteral("1");    // arcminutes
    QString MaxSize = QStringLiteral("999");  // arcminutes

    // Check-box states: 0 clear, 1 checked, 2 grayed. Only 1 lists the type.
    int chkNebula = 1;
    int chkPlanetary = 1;
    int chkGalaxy = 1;
    int chkGlobular = 1;
    int chkOpen = 1;

    QString Included = QStringLiteral("Inclusive");  // "Inclusive"; anything else is exclusive
};

// One of the texts above, by which a failed reading names its input.
using SessionTextField = QString SessionParameters::*;
