#include "app/CommandLine.h"

#include <QTest>

// Which command lines start the calculator and which are answered on the terminal instead.
class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitStatus"); // -1: the calculator starts
        QTest::addColumn<QString>("standardOutputHas");
        QTest::addColumn<QString>("standardErrorHas");

        const int starts = -1;
        const QString nothing;
        QTest::newRow("no options") << QStringList() << starts << nothing << nothing;
        QTest::newRow("--help") << QStringList { "--help" } << 0 << "--version" << nothing;
        QTest::newRow("-h") << QStringList { "-h" } << 0 << "Usage:" << nothing;
        QTest::newRow("--version") << QStringList { "--version" } << 0 << "numivox 1.5\n"
                                   << nothing;
        QTest::newRow("-v") << QStringList { "-v" } << 0 << "numivox 1.5\n" << nothing;
        QTest::newRow("help wins over a Qt option")
            << QStringList { "-platform", "xcb", "--help" } << 0 << "Usage:" << nothing;
        QTest::newRow("unknown long option")
            << QStringList { "--bogus" } << 2 << nothing << "Unknown option 'bogus'";
        QTest::newRow("unknown word after one dash")
            << QStringList { "-hv2" } << 2 << nothing << "Usage:";
        QTest::newRow("file name") << QStringList { "sums.txt" } << 2 << nothing << "'sums.txt'";
        QTest::newRow("Qt option without its value")
            << QStringList { "-platform" } << 2 << nothing << "Usage:";
        QTest::newRow("Qt's -platform")
            << QStringList { "-platform", "offscreen" } << starts << nothing << nothing;
        QTest::newRow("Qt's --style=")
            << QStringList { "--style=Fusion" } << starts << nothing << nothing;
        QTest::newRow("Qt's -reverse and -session")
            << QStringList { "-reverse", "-session", "1234" } << starts << nothing << nothing;
    }

    void answers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitStatus);
        QFETCH(QString, standardOutputHas);
        QFETCH(QString, standardErrorHas);

        arguments.prepend(QStringLiteral("numivox"));
        const std::optional<CommandLineAnswer> answer = answerCommandLine(arguments);
        QCOMPARE(answer.has_value(), exitStatus >= 0);
        if (!answer)
            return;
        QCOMPARE(answer->exitStatus, exitStatus);
        // Help and version go to standard output alone, mistakes to standard error alone.
        QCOMPARE(answer->standardOutput.isEmpty(), standardOutputHas.isEmpty());
        QCOMPARE(answer->standardError.isEmpty(), standardErrorHas.isEmpty());
        QVERIFY2(
            answer->standardOutput.contains(standardOutputHas), qPrintable(answer->standardOutput));
        QVERIFY2(
            answer->standardError.contains(standardErrorHas), qPrintable(answer->standardError));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
