#include "sky/yearnightvisibility.h"

Visibility objectNightVisibility(const EquatorialPosition &object, const YearSky &sky, const YearNight &night)
{
    const YearQuery &query = sky.query();
    return objectVisibility(object, {query.site.latDeg, query.site.lonDeg, night.night, query.minElevDeg, query.profile,
                                     query.azimuthWindow, night.dark});
}
