#include "info/HelpTexts.h"

#include "translations/Translations.h"

#include <QCoreApplication>
#include <QFile>

namespace {

constexpr std::array<const char *, helpTextCount> fileNames = {
    "ReadMeFirstMac0.txt",
    "ReadMeFirstMac1.txt",
    "ReadMeFirstMac2.txt",
    "ReadMeFirstMac3.txt",
    "ReadMeFirstMac4.txt",
    "ReadMeFirst6.txt",
    "ReadMeFirst7.txt",
    "ReadMeFirstMac8.txt",
};

HelpTextStore *installedStore = nullptr;

} // namespace

// The resources live in a static library: nothing would pull them into the program otherwise.
static void registerHelpResources()
{
    Q_INIT_RESOURCE(help);
}

HelpTextStore::HelpTextStore(QString folder)
    : folder(std::move(folder))
{
    registerHelpResources();
}

QString HelpTextStore::text(HelpText item)
{
    const auto index = static_cast<size_t>(item);
    Item &stored = items.at(index);
    if (!stored.loaded) {
        // In the language of the translation in use, or else in English.
        const QString name = QLatin1String(fileNames.at(index));
        QFile file(folder + u'/' + translationLanguage() + u'/' + name);
        if (!file.exists())
            file.setFileName(folder + u'/' + name);
        stored.text = file.open(QIODevice::ReadOnly)
            ? QString::fromUtf8(file.readAll())
            : QCoreApplication::translate(
                "HelpTexts", "Sorry, this help topic could not be loaded.");
        stored.loaded = true;
    }
    return stored.text;
}

HelpTextStore &helpTexts()
{
    static HelpTextStore programStore;
    return installedStore ? *installedStore : programStore;
}

void installHelpTexts(HelpTextStore *store)
{
    installedStore = store;
}
