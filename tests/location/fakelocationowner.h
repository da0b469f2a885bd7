#pragma once

#include "ui/location/locationowner.h"

// Stands in for the main window: holds the two location captions and counts regenerations.
class FakeLocationOwner : public LocationOwner {
public:
    FakeLocationOwner(const QString &latitude, const QString &longitude)
        : latitude(latitude)
        , longitude(longitude)
    {
    }

    QString latitudeCaption() const override { return latitude; }
    QString longitudeCaption() const override { return longitude; }
    void setLocationCaptions(const QString &lat, const QString &lon) override
    {
        latitude = lat;
        longitude = lon;
    }
    void bGenList_Click() override { ++regenerations; }

    QString latitude;
    QString longitude;
    int regenerations = 0;
};
