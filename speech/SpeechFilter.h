#pragma once

#include "speech/SpeechService.h"

#include <QList>
#include <QString>

// What a phrase is. That alone decides who hears it: the one rule of the program's speech.
enum class PhraseKind {
    // The echo of a typed key, which a screen reader gives too: heard while Speak Keys is on and
    // no screen reader runs.
    TypedEcho,
    // A key's own word that no screen reader gives: a clicked key's name, the sign a typed minus
    // became, a key's warning. Heard while Speak Keys is on.
    ClickEcho,
    // What only the program knows: results, the answers of its commands and how they ended.
    // Always heard.
    Answer,
    // What a screen reader says of the program's windows itself: the menus, the dialogs, the
    // About and Help windows. Heard while none runs.
    ScreenReaderWouldSay,
};

struct Spoken
{
    PhraseKind kind;
    QString text;
};

// Whether the user hears a phrase of the kind now: asks Speak Keys and the screen reader's
// status, and nothing else does.
bool isHeard(PhraseKind kind);

// Hands the phrases the user hears to the installed speech service as one utterance. When the
// first phrase is not heard, the others follow the speech under way rather than cut it off: it
// was that phrase that was to cut in. A call without phrases only interrupts. True when
// anything was handed over.
bool speak(const QList<Spoken> &phrases, Interrupt interrupt, Importance importance);
bool speak(PhraseKind kind, const QStringList &phrases, Interrupt interrupt, Importance importance);

// What only the program knows, such as the answer to a command or why it refused: said at once,
// cutting off the program's own speech, with or without a screen reader.
void answer(const QString &phrase);
