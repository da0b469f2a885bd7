#include "plan/observationdraft.h"

#include <cmath>

namespace {

QDateTime sessionStart(const Session &session)
{
    const QDate date(session.date.year, session.date.month, session.date.day);
    const QTime time(session.startTime.hour, session.startTime.minute);
    const int offsetSeconds = int(std::lround(session.gmtDeviationHours * 3600.0));
    return QDateTime(date, time, Qt::OffsetFromUTC, offsetSeconds);
}

std::optional<double> bestMagnification(const ListedObject &row, const Telescope &telescope)
{
    if (row.seeing && row.seeing->best)
        return row.seeing->best->seeing.reserve.magnification;
    if (telescope.magnifications.empty())
        return std::nullopt;
    return telescope.magnifications.front();
}

}  // namespace

Observation observationDraft(const ListedObject &row, const Session &session, const SkyAndTelescope &observer)
{
    Observation draft;
    draft.objectIdentifier = row.object->identifier;
    draft.localTime = sessionStart(session);
    draft.latDeg = session.latDeg;
    draft.lonDeg = session.lonDeg;
    draft.apertureMm = observer.telescope.apertureMm;
    draft.magnification = bestMagnification(row, observer.telescope);
    draft.skyMagPerArcsec2 = observer.sky.zenithMagPerArcsec2;
    return draft;
}
