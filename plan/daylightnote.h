#pragma once

#include "plan/session.h"

#include <QString>

// What the status line says when a session is not wholly dark: the Sun above the horizon at
// its start or end ("Sun 12° up at the start"), or twilight with the time it turns dark or
// light ("astronomical twilight until 20:23"). Empty for a session under a dark sky throughout.
QString daylightNote(const Session &session);
