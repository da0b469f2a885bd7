#pragma once

#include <QString>

// What the location chooser needs of the main window: the location captions it shows and
// writes, the time zone of a chosen city, and the list regeneration that follows an update.
class LocationOwner {
public:
    virtual ~LocationOwner() = default;

    virtual QString latitudeCaption() const = 0;
    virtual QString longitudeCaption() const = 0;
    virtual void setLocationCaptions(const QString &latitude, const QString &longitude) = 0;
    // The chosen city's time zone; empty where the cities file gives none.
    virtual void setTimeZone(const QString &zone) = 0;
    virtual void generateList() = 0;
};
