#pragma once

#include <QString>
#include <QUrl>

// The image-search address for an object identifier. The identifier is percent-encoded as
// it stands (not trimmed), and the search goes over https.
QUrl imageSearchAddress(const QString &identifier);
