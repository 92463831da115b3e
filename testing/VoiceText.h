#pragma once

#include "speech/Voice.h"

// The settings of a voice as the tests write them: "set rate 10 volume -20 type MALE1", or "set"
// for the daemon's own.
inline QString voiceText(const Voice &voice)
{
    QString text = QStringLiteral("set");
    if (voice.rate)
        text += QStringLiteral(" rate %1").arg(*voice.rate);
    if (voice.volume)
        text += QStringLiteral(" volume %1").arg(*voice.volume);
    return voice.type.isEmpty() ? text : text + " type " + voice.type;
}
