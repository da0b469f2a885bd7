#pragma once

#include "ui/platform/browser.h"

#include <QList>

// Records every address it is asked to open; can play a system without a browser.
struct RecordingBrowser : Browser {
    bool openAddress(const QUrl &address) override
    {
        requests.append(address);
        return browserStarts;
    }

    QList<QUrl> requests;
    bool browserStarts = true;
};
