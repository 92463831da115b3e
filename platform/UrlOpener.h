#pragma once

#include <QUrl>

#include <functional>

// Hands a web address to the desktop's browser and returns at once. Tests replace the opener.
void openUrl(const QUrl &url);

using UrlOpener = std::function<void(const QUrl &)>;
void installUrlOpener(UrlOpener opener); // an empty opener restores the desktop's
