#include "platform/SystemRelease.h"

namespace {
SystemReleaseQuery installedQuery;
}

std::optional<int> querySystemRelease(const char *selector)
{
    if (installedQuery)
        return installedQuery(selector);
    return std::nullopt; // this desktop offers no such query
}

void installSystemReleaseQuery(SystemReleaseQuery query)
{
    installedQuery = std::move(query);
}
