#include "ScriptedOutputDialogs.h"

#include "transcript/editFieldExtras.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

// Saves the transcript through a scripted save dialog into a fresh folder for each case.
class TranscriptSaveTest : public QObject
{
    Q_OBJECT

private:
    const QString transcript = QStringLiteral("12\n÷ 4\n---\n3\n\n");
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<editFieldExtras> field;

    QString pathOf(const QString &name) const { return folder->filePath(name); }
    QStringList folderEntries() const
    {
        return QDir(folder->path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    static QByteArray contentsOf(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void writeFile(const QString &path, const QByteArray &contents)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

    QByteArray savedForm() const { return transcript.toUtf8(); } // UTF-8, with Unix line ends

private slots:
    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(folder->isValid());
        field = std::make_unique<editFieldExtras>();
        field->setReadOnly(true);
        field->setPlainText(transcript);
    }

    void namingRule_data()
    {
        QTest::addColumn<QString>("defaultName");
        QTest::addColumn<QString>("typedName");
        QTest::addColumn<QString>("savedName");

        const auto row = [](const char *name, const QString &defaultName, const QString &typedName,
                             const QString &savedName) {
            QTest::newRow(name) << defaultName << typedName << savedName;
        };
        row("save() without arguments", QString(), "tape", "tape");
        row("default without .txt", "transcript", "tape", "tape.txt");
        row("default shorter than 4", "txt", "tape", "tape.txt");
        row("default without .txt, typed .txt", "transcript", "tape.txt", "tape.txt.txt");
        row("default untitled.txt", "untitled.txt", "tape", "tape");
        row("default .TXT", "TAPE.TXT", "tape", "tape");
        row("default .txt alone", ".txt", "tape.text", "tape.text");
    }

    void namingRule()
    {
        QFETCH(QString, defaultName);
        QFETCH(QString, typedName);
        QFETCH(QString, savedName);

        ScriptedOutputDialogs dialogs;
        dialogs.savePath = pathOf(typedName);
        if (defaultName.isNull())
            field->save();
        else
            field->save(QStringLiteral("text"), defaultName);

        QCOMPARE(dialogs.asked,
            QStringList { "save text " + (defaultName.isNull() ? "untitled.txt" : defaultName) });
        QCOMPARE(folderEntries(), QStringList { savedName });
        QCOMPARE(contentsOf(pathOf(savedName)), savedForm());
        QCOMPARE(field->toPlainText(), transcript);
    }

    // Appending ".txt" must not replace a file that already has that name.
    void txtNameTaken()
    {
        writeFile(pathOf(QStringLiteral("tape.txt")), "precious");
        ScriptedOutputDialogs dialogs;
        dialogs.savePath = pathOf(QStringLiteral("tape"));
        field->save(QStringLiteral("text"), QStringLiteral("transcript"));

        QCOMPARE(folderEntries(), (QStringList { "tape", "tape.txt" }));
        QCOMPARE(contentsOf(pathOf(QStringLiteral("tape"))), savedForm());
        QCOMPARE(contentsOf(pathOf(QStringLiteral("tape.txt"))), QByteArray("precious"));
    }

    // Running as root, a folder's permissions stop nothing: these places cannot take a file for
    // any user. Nothing is written and nothing is renamed.
    void unwritablePlace_data()
    {
        QTest::addColumn<bool>("folderInTheWay");
        QTest::addColumn<QString>("typedName");

        QTest::newRow("inside a regular file") << false << "tape/transcript";
        QTest::newRow("a folder in the way") << true << "tape";
    }

    void unwritablePlace()
    {
        QFETCH(bool, folderInTheWay);
        QFETCH(QString, typedName);

        if (folderInTheWay)
            QVERIFY(QDir(folder->path()).mkdir(QStringLiteral("tape")));
        else
            writeFile(pathOf(QStringLiteral("tape")), "a regular file");

        ScriptedOutputDialogs dialogs;
        dialogs.savePath = pathOf(typedName);
        field->save(QStringLiteral("text"), QStringLiteral("transcript"));

        QCOMPARE(folderEntries(), QStringList { "tape" });
        QCOMPARE(QFileInfo(pathOf(QStringLiteral("tape"))).isDir(), folderInTheWay);
        if (!folderInTheWay)
            QCOMPARE(contentsOf(pathOf(QStringLiteral("tape"))), QByteArray("a regular file"));
        QCOMPARE(field->toPlainText(), transcript);
    }

    // A disk that fills up halfway through: the file being replaced keeps its good contents, no
    // half-written file is left behind and nothing is renamed.
    void diskFull()
    {
        writeFile(pathOf(QStringLiteral("tape")), "good");
        field->setPlainText(transcript.repeated(1000));

        // A file size limit makes every write past it fail, even for root.
        rlimit original {};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &original) == 0);
        rlimit small = original;
        small.rlim_cur = 1024;
        QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        const auto restore = qScopeGuard([&] {
            setrlimit(RLIMIT_FSIZE, &original);
            std::signal(SIGXFSZ, previousHandler);
        });

        ScriptedOutputDialogs dialogs;
        dialogs.savePath = pathOf(QStringLiteral("tape"));
        field->save(QStringLiteral("text"), QStringLiteral("transcript"));

        QCOMPARE(folderEntries(), QStringList { "tape" });
        QCOMPARE(contentsOf(pathOf(QStringLiteral("tape"))), QByteArray("good"));
    }

    void cancelling()
    {
        ScriptedOutputDialogs dialogs;
        field->save();
        field->save(QStringLiteral("text"), QStringLiteral("transcript"));

        QCOMPARE(dialogs.asked.size(), 2);
        QVERIFY(folderEntries().isEmpty());
    }
};

QTEST_MAIN(TranscriptSaveTest)
#include "tst_transcriptsave.moc"
