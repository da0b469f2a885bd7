#pragma once

#include "plan/session.h"

#include <QString>

// What the status line says when a session is not wholly dark: the Sun at the session's start
// and end when it is not below the astronomical twilight's level ("Sun 12° up at the start",
// "civil twilight at the end"), then each time within the session when darkness begins or ends,
// named by its event ("astronomical dusk 20:23", "astronomical dawn 05:44"), or that it never gets
// dark. The same state at both ends is said once. Empty for a session under a dark sky throughout.
QString daylightNote(const Session &session);
