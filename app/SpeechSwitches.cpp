#include "app/SpeechSwitches.h"

#include "app/MenuBar1.h"
#include "calculator/Phrases.h"
#include "program/Globals.h"
#include "program/Settings.h"
#include "speech/SpeechFilter.h"

#include <QAction>
#include <QSignalBlocker>

namespace {

struct Switch
{
    const char *item;
    const char *key; // in the settings file
    bool byDefault;
    bool CalculatorState::*value;
    QString (*on)();
    QString (*off)();
};

const Switch switches[] = {
    { "SpeechSpeakKeys", "speakKeys", true, &CalculatorState::bSpeech, Phrases::speakKeysOn,
        Phrases::speakKeysOff },
    { "SpeechReadDigitsSingly", "readDigitsSingly", false, &CalculatorState::bDigitsSingly,
        Phrases::digitsSinglyOn, Phrases::digitsSinglyOff },
};

} // namespace

SpeechSwitches::SpeechSwitches(MenuBar1 *menuBar, QObject *parent)
    : QObject(parent)
    , menuBar(menuBar)
{
    for (const Switch &each : switches)
        connect(menuBar->item(QLatin1String(each.item)), &QAction::toggled, this, [&each](bool on) {
            mGlobals.*each.value = on;
            userSettings().setValue(QLatin1String(each.key), on);
            answer(on ? each.on() : each.off());
        });
}

void SpeechSwitches::restore()
{
    const QSettings settings = userSettings();
    for (const Switch &each : switches) {
        // Only the word opposite to the default changes it: a damaged value reads as the default.
        const QString kept = settings.value(QLatin1String(each.key)).toString();
        mGlobals.*each.value = kept == QLatin1String(each.byDefault ? "false" : "true")
            ? !each.byDefault
            : each.byDefault;
        QAction *item = menuBar->item(QLatin1String(each.item));
        const QSignalBlocker unchangedByTheUser(item);
        item->setChecked(mGlobals.*each.value);
    }
}
