#pragma once

#include <QUrl>

class Messages;

// Opens an address in the observer's web browser without waiting for it.
class Browser {
public:
    virtual ~Browser() = default;

    // Returns false when no browser could be started.
    virtual bool openAddress(const QUrl &address) = 0;
};

// Opens the address; when no browser starts, a warning says so and names the address, so that
// the observer can open it by hand.
void openInBrowser(Browser &browser, Messages &messages, const QUrl &address);
