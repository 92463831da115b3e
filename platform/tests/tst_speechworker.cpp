#include "platform/SpeechWorker.h"

#include <QElapsedTimer>
#include <QTest>

#include <condition_variable>
#include <mutex>
#include <optional>

using namespace std::chrono_literals;

namespace {

// A speech daemon that logs what its connections do: "open", "refused", "closed", "cancel", and
// "message:" or "text:" before what is said at that priority.
struct Daemon
{
    std::mutex mutex;
    std::condition_variable changed;
    QStringList events;
    bool hung = false; // each call holds once logged, as when the daemon stopped answering
    int refusals = 0, failures = 0; // the first opens refused, the first calls failed

    void log(const QString &event)
    {
        const std::lock_guard lock(mutex);
        events.append(event);
        changed.notify_all();
    }
    bool call(const QString &event)
    {
        if (failures > 0) {
            --failures;
            return false;
        }
        std::unique_lock lock(mutex);
        events.append(event);
        changed.notify_all();
        changed.wait(lock, [this] { return !hung; });
        return true;
    }
    void hang(bool on)
    {
        const std::lock_guard lock(mutex);
        hung = on;
        changed.notify_all();
    }
    QStringList await(qsizetype count) // the events once there are `count`, or after 2 s
    {
        std::unique_lock lock(mutex);
        changed.wait_for(lock, 2s, [&] { return events.size() >= count; });
        return events;
    }
};

class Connection final : public SpeechConnection
{
public:
    explicit Connection(Daemon &daemon)
        : daemon(daemon)
    { }
    ~Connection() override { daemon.log(QStringLiteral("closed")); }

    bool say(const std::string &text, SpeechPriority priority) override
    {
        const char *tag = priority == SpeechPriority::Message ? "message:" : "text:";
        return daemon.call(tag + QString::fromStdString(text));
    }
    bool cancelOwnSpeech() override { return daemon.call(QStringLiteral("cancel")); }

private:
    Daemon &daemon;
};

SpeechConnectionFactory connectTo(Daemon &daemon)
{
    return [&daemon]() -> std::unique_ptr<SpeechConnection> {
        const bool refused = daemon.refusals > 0;
        daemon.refusals -= refused;
        daemon.log(refused ? "refused" : "open");
        return refused ? nullptr : std::make_unique<Connection>(daemon);
    };
}

// A call as the tests write it: "!" first when it interrupts, "~" when a mere echo, then its
// phrases between "|".
void speak(SpeechService &speech, QString call)
{
    const Interrupt interrupt = call.startsWith(u'!') ? Interrupt::Yes : Interrupt::No;
    const bool echo = call.remove(u'!').startsWith(u'~');
    speech.speak(call.remove(u'~').split(u'|', Qt::SkipEmptyParts), interrupt,
        echo ? Importance::Echo : Importance::Essential);
}

} // namespace

class SpeechWorkerTest : public QObject
{
    Q_OBJECT

private slots:
    // What must be heard goes at a priority the daemon never drops for another client's speech;
    // the phrases of one call go as one utterance, so no silence comes between them, and editing
    // keys by name. The daemon holds the first call while the others are made: an interrupting
    // one drops those still waiting. A missing or lost connection is opened again for a phrase.
    void calls_data()
    {
        QTest::addColumn<int>("refusals");
        QTest::addColumn<int>("failures");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QStringList>("heard");
        // clang-format off
        QTest::newRow("result after equals") << 0 << 0 << QStringList { "!equals|15" } << QStringList { "open", "cancel", "message:equals 15" };
        QTest::newRow("result alone")        << 0 << 0 << QStringList { "15" } << QStringList { "open", "message:15" };
        QTest::newRow("clicked key")         << 0 << 0 << QStringList { "!~seven" } << QStringList { "open", "cancel", "text:seven" };
        QTest::newRow("typed keys")          << 0 << 0 << QStringList { "~\b|\t|\r|\x03|\x1b|\x1c|\x1d|\x1e|\x1f|\x7f|\x01|7\b" }
            << QStringList { "open", "text:backspace tab return enter escape left right up down delete control character 7\b" };
        QTest::newRow("stop only")           << 0 << 0 << QStringList { "!", "next" } << QStringList { "open", "cancel", "message:next" };
        QTest::newRow("interrupts")          << 0 << 0 << QStringList { "!~one", "!~two", "!~three", "~and four" }
            << QStringList { "open", "cancel", "text:one", "cancel", "text:three", "text:and four" };
        QTest::newRow("missing daemon")      << 2 << 0 << QStringList { "~lost", "~back" } << QStringList { "refused", "refused", "open", "text:back" };
        QTest::newRow("lost connection")     << 0 << 1 << QStringList { "~one", "~two" } << QStringList { "open", "open", "closed", "text:one", "text:two" };
        QTest::newRow("lost for a phrase")   << 0 << 2 << QStringList { "!~lost", "~back" }
            << QStringList { "open", "open", "closed", "closed", "open", "text:back" };
        // clang-format on
    }
    void calls()
    {
        QFETCH(QStringList, calls);
        QFETCH(QStringList, heard);
        Daemon daemon;
        QFETCH(int, refusals);
        QFETCH(int, failures);
        daemon.refusals = refusals, daemon.failures = failures, daemon.hung = true;
        QElapsedTimer quitting;
        {
            SpeechWorker worker(connectTo(daemon), 2s);
            speak(worker, calls.takeFirst());
            daemon.await(2);
            for (const QString &call : std::as_const(calls))
                speak(worker, call);
            daemon.hang(false);
            QCOMPARE(daemon.await(heard.size()), heard);
            quitting.start();
        }
        QVERIFY2(quitting.elapsed() < 1000, "an idle worker waited out its grace period");
    }

    // Neither speaking nor quitting waits for a hung daemon. Behind it, calls beyond 64 waiting
    // are stale: those after the last drop are said once it answers.
    void hungDaemon()
    {
        Daemon daemon;
        std::optional<SpeechWorker> worker(std::in_place, connectTo(daemon), 50ms);
        daemon.hang(true);
        speak(*worker, "~stuck");
        QStringList heard = daemon.await(2);
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 1000; ++i) {
            speak(*worker, QString::number(i));
            if (i >= 960)
                heard.append("message:" + QString::number(i));
        }
        QVERIFY2(timer.elapsed() < 1000, "speaking waited for a hung daemon");
        daemon.hang(false);
        QCOMPARE(daemon.await(heard.size()), heard);

        daemon.hang(true);
        speak(*worker, "~stuck again");
        daemon.await(heard.size() + 1);
        timer.restart();
        worker.reset(); // leaves the stuck worker behind after its grace period
        QVERIFY2(timer.elapsed() < 1000, "quitting waited for a hung daemon");
        daemon.hang(false); // lets the abandoned worker close its connection, and end
        QCOMPARE(daemon.await(heard.size() + 2).last(), "closed");
    }
};

QTEST_GUILESS_MAIN(SpeechWorkerTest)
#include "tst_speechworker.moc"
