#include "app/VoiceCommands.h"

#include "app/MenuBar1.h"
#include "program/Settings.h"
#include "speech/SpeechFilter.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

#include <algorithm>

namespace {

const QString rateKey = QStringLiteral("rate");
const QString volumeKey = QStringLiteral("volume");
const QString voiceTypeKey = QStringLiteral("voiceType");

// The voice types of speech-dispatcher, in its order, as the menu shows them.
constexpr std::pair<const char *, const char *> typeCaptions[] = {
    { "MALE1", QT_TRANSLATE_NOOP("VoiceCommands", "Male 1") },
    { "MALE2", QT_TRANSLATE_NOOP("VoiceCommands", "Male 2") },
    { "MALE3", QT_TRANSLATE_NOOP("VoiceCommands", "Male 3") },
    { "FEMALE1", QT_TRANSLATE_NOOP("VoiceCommands", "Female 1") },
    { "FEMALE2", QT_TRANSLATE_NOOP("VoiceCommands", "Female 2") },
    { "FEMALE3", QT_TRANSLATE_NOOP("VoiceCommands", "Female 3") },
    { "CHILD_MALE", QT_TRANSLATE_NOOP("VoiceCommands", "Child Male") },
    { "CHILD_FEMALE", QT_TRANSLATE_NOOP("VoiceCommands", "Child Female") },
};

// "CHILD_FEMALE" reads "Child Female", "MALE1" "Male 1"; a type the daemon alone knows reads as
// it names it.
QString captionOf(const QString &type)
{
    for (const auto &[name, caption] : typeCaptions)
        if (type == QLatin1String(name))
            return QCoreApplication::translate("VoiceCommands", caption);
    return type;
}

QString spokenNumber(int value)
{
    return value < 0 ? QCoreApplication::translate("VoiceCommands", "negative %1").arg(-value)
                     : QString::number(value);
}

// The caption with its first letter or digit that no other item of the menu takes as its access
// key marked as its own.
QString withAccessKey(QString caption, const QList<QAction *> &others)
{
    QString taken;
    for (const QAction *other : others)
        if (const qsizetype marked = other->text().indexOf(u'&'); marked >= 0)
            taken += other->text().at(marked + 1).toLower();
    for (qsizetype i = 0; i < caption.size(); ++i)
        if (caption[i].isLetterOrNumber() && !taken.contains(caption[i].toLower()))
            return caption.insert(i, u'&');
    return caption;
}

std::optional<int> remembered(const QSettings &settings, const QString &key)
{
    bool isNumber;
    const int value = settings.value(key).toInt(&isNumber);
    return isNumber ? std::optional(std::clamp(value, -100, 100)) : std::nullopt;
}

} // namespace

struct VoiceCommands::Step
{
    const char *name; // of the item, after "Speech"
    const char *change; // as the step is heard, with the new value
    std::optional<int> Voice::*setting;
    int VoiceOffer::*daemonsOwn;
    const QString &key;
    int by;
    int limit;
    const char *atTheLimit;
};

VoiceCommands::VoiceCommands(MenuBar1 *menuBar, QObject *parent)
    : QObject(parent)
    , voiceMenu(menuBar->item(QStringLiteral("SpeechVoice"))->menu())
    , voiceChoice(new QActionGroup(this))
{
    // At -100 the synthesiser is silent: the softest step is still heard.
    static const Step steps[] = {
        { "Faster", QT_TR_NOOP("faster %1"), &Voice::rate, &VoiceOffer::rate, rateKey, 10, 100,
            QT_TR_NOOP("fastest") },
        { "Slower", QT_TR_NOOP("slower %1"), &Voice::rate, &VoiceOffer::rate, rateKey, -10, -100,
            QT_TR_NOOP("slowest") },
        { "Louder", QT_TR_NOOP("louder %1"), &Voice::volume, &VoiceOffer::volume, volumeKey, 10,
            100, QT_TR_NOOP("loudest") },
        { "Softer", QT_TR_NOOP("softer %1"), &Voice::volume, &VoiceOffer::volume, volumeKey, -10,
            -90, QT_TR_NOOP("softest") },
    };
    for (const Step &each : steps)
        connect(menuBar->item(QStringLiteral("Speech") + each.name), &QAction::triggered, this,
            [this, &each] { step(each); });
    QAction *defaultVoice = menuBar->item(QStringLiteral("SpeechDefaultVoice"));
    voiceChoice->addAction(defaultVoice);
    connect(defaultVoice, &QAction::triggered, this, &VoiceCommands::useDefaultVoice);
    connect(voiceMenu, &QMenu::aboutToShow, this, &VoiceCommands::listVoiceTypes);
}

void VoiceCommands::restore()
{
    const QSettings settings = userSettings();
    voice = { remembered(settings, rateKey), remembered(settings, volumeKey),
        settings.value(voiceTypeKey).toString() };
    speech().setVoice(voice);
}

// From the remembered value, or else from the daemon's own, by one step within the limit.
void VoiceCommands::step(const Step &step)
{
    const int from = (voice.*step.setting).value_or(speech().voiceOffer().*step.daemonsOwn);
    const int to
        = step.by > 0 ? std::min(from + step.by, step.limit) : std::max(from + step.by, step.limit);
    voice.*step.setting = to;
    userSettings().setValue(step.key, to);
    confirm(to == step.limit ? tr(step.atTheLimit) : tr(step.change).arg(spokenNumber(to)));
}

void VoiceCommands::choose(const QString &type)
{
    voice.type = type;
    userSettings().setValue(voiceTypeKey, type);
    confirm(tr("voice %1").arg(captionOf(type).toLower()));
}

// Back to the daemon's own voice, rate and volume: nothing of the program's own is left set.
void VoiceCommands::useDefaultVoice()
{
    voice = {};
    QSettings settings = userSettings();
    for (const QString &key : { rateKey, volumeKey, voiceTypeKey })
        settings.remove(key);
    confirm(tr("default voice"));
}

void VoiceCommands::confirm(const QString &phrase)
{
    speech().setVoice(voice);
    answer(phrase);
}

// The daemon's voice types, in its order, listed as the menu first opens once it has told them.
void VoiceCommands::listVoiceTypes()
{
    if (voiceChoice->actions().size() == 1)
        for (const QString &type : speech().voiceOffer().types) {
            QAction *item
                = voiceMenu->addAction(withAccessKey(captionOf(type), voiceMenu->actions()));
            item->setData(type);
            item->setCheckable(true);
            voiceChoice->addAction(item);
            connect(item, &QAction::triggered, this, [this, type] { choose(type); });
        }
    for (QAction *item : voiceChoice->actions()) // Default Voice's type is empty
        item->setChecked(item->data().toString() == voice.type);
}
