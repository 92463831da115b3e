#pragma once

#include <QString>

#include <array>

// The help texts, one per topic of the Help window; ReadMeFirstMac0 is the introduction.
enum class HelpText {
    ReadMeFirstMac0,
    ReadMeFirstMac1,
    ReadMeFirstMac2,
    ReadMeFirstMac3,
    ReadMeFirstMac4,
    ReadMeFirst6,
    ReadMeFirst7,
    ReadMeFirstMac8,
};
inline constexpr int helpTextCount = int(HelpText::ReadMeFirstMac8) + 1;

// Holds the help texts for the whole run: each is read from the resource folder the first time
// it is asked for, from its subfolder for the language of the translation in use where there is
// one, and kept from then on, whatever happens to the windows that show it.
class HelpTextStore
{
public:
    explicit HelpTextStore(QString folder = QStringLiteral(":/help"));

    // A text that cannot be read gives a short sentence saying so instead.
    QString text(HelpText item);

private:
    struct Item
    {
        QString text;
        bool loaded = false;
    };

    QString folder;
    std::array<Item, helpTextCount> items;
};

// The store every window reads from.
HelpTextStore &helpTexts();
void installHelpTexts(HelpTextStore *store); // tests; null restores the program's own
