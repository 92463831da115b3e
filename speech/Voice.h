#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The voice the program speaks in. A setting left empty is the speech daemon's own, as the user
// set it up for the whole system: nothing is sent for it.
struct Voice
{
    std::optional<int> rate; // -100 to 100, the daemon's scale
    std::optional<int> volume; // -100 to 100
    QString type; // one of the daemon's voice types, such as "FEMALE1"

    bool operator==(const Voice &) const = default;
};

// What the daemon gives a connection on which nothing is set: its own rate and volume, and the
// voice types it offers, in its order.
struct VoiceOffer
{
    int rate = 0;
    int volume = 0;
    QStringList types;
};
