#pragma once

#include <QUrl>

// Opens an address in the observer's web browser without waiting for it.
class Browser {
public:
    virtual ~Browser() = default;

    // Returns false when no browser could be started.
    virtual bool openAddress(const QUrl &address) = 0;
};
