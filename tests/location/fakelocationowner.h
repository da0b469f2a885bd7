#pragma once

#include "ui/location/locationowner.h"

// Stands in for the main window: holds the two location captions and counts regenerations.
struct FakeLocationOwner : LocationOwner {
    QString latitude = QStringLiteral("32.2217"), longitude = QStringLiteral("-110.9265");
    int regenerations = 0;

    QString latitudeCaption() const override { return latitude; }
    QString longitudeCaption() const override { return longitude; }
    void setLocationCaptions(const QString &lat, const QString &lon) override
    {
        latitude = lat;
        longitude = lon;
    }
    void bGenList_Click() override { ++regenerations; }
};
