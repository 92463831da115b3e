#include "platform/UrlOpener.h"

#include <QDesktopServices>

namespace {
UrlOpener installedOpener;
}

void openUrl(const QUrl &url)
{
    if (installedOpener)
        installedOpener(url);
    else
        QDesktopServices::openUrl(url);
}

void installUrlOpener(UrlOpener opener)
{
    installedOpener = std::move(opener);
}
