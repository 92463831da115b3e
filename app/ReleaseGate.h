#pragma once

#include <QString>

#include <optional>

// The oldest platform release the program runs on, packed as 0xMMmp (major, minor, patch).
inline constexpr int oldestSupportedRelease = 0x1040;

// True when the program may run on the release the platform reported. A platform that cannot
// tell its release is taken as supported.
inline bool releaseIsSupported(std::optional<int> release)
{
    return !release || *release >= oldestSupportedRelease;
}

QString releaseGateMessage();
