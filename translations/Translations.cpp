#include "translations/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// A translation of the given name for the locale, installed if there is one.
bool install(const QLocale &locale, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, name, QStringLiteral("_"), folder)
        && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

void installTranslations()
{
    for (const QString &language : QLocale::system().uiLanguages()) {
        const QLocale locale(language);
        if (locale.language() == QLocale::English)
            return;
        if (install(locale, QStringLiteral("numivox"), QStringLiteral(":/i18n"))) {
            // Qt's dialogs and messages to match, where Qt is translated.
            install(locale, QStringLiteral("qtbase"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return;
        }
    }
}

QString translationLanguage()
{
    //: The code of this translation's language, as speech-dispatcher takes it: "de", "fr".
    return QCoreApplication::translate("Translations", "en");
}
