#pragma once

#include <QDateTime>

class Clock {
public:
    virtual ~Clock() = default;

    virtual QDateTime localNow() const = 0;
};
