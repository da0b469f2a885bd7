#include "ui/platform/browser.h"

#include "plan/application.h"
#include "ui/platform/messages.h"

void openInBrowser(Browser &browser, Messages &messages, const QUrl &address)
{
    if (!browser.openAddress(address))
        messages.showWarning(ApplicationTitle, QStringLiteral("No web browser could be started to open \"%1\".")
                                                   .arg(address.toDisplayString(QUrl::PreferLocalFile)));
}
