#include "translations/Translations.h"

#include <QtTest>

// The translation installed is the first of the user's languages that the program has, with Qt's
// own to match; none for English, the code's own.
class TranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    void firstOfTheUsersLanguages()
    {
        installTranslations();
        QVERIFY(translationLanguage() == "de"
            && QCoreApplication::translate("QShortcut", "Ctrl") == "Strg");
    }
};

int main(int argc, char *argv[])
{
    qputenv("LANGUAGE", "it:de:fr"); // read as the application starts
    QCoreApplication application(argc, argv);
    TranslationsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_translations.moc"
