#pragma once

#include <functional>
#include <optional>

// The platform's packed release number for the given four-letter selector ("sysv"), or nothing
// when the platform has no such query. Tests replace the query.
std::optional<int> querySystemRelease(const char *selector);

using SystemReleaseQuery = std::function<std::optional<int>(const char *selector)>;
void installSystemReleaseQuery(SystemReleaseQuery query); // an empty query restores the platform's
