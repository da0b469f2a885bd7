#include "ui/main/imagesearch.h"

QUrl imageSearchAddress(const QString &identifier)
{
    QUrl address;
    address.setScheme(QStringLiteral("https"));
    address.setHost(QStringLiteral("images.google.com"));
    address.setPath(QStringLiteral("/images"));
    address.setQuery(QStringLiteral("svnum=10&hl=en&lr=&q=")
                         + QString::fromLatin1(QUrl::toPercentEncoding(identifier)),
                     QUrl::StrictMode);
    return address;
}
