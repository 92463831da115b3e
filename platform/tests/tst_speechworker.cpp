#include "platform/SpeechWorker.h"

#include <QDeadlineTimer>
#include <QTest>

#include <mutex>
#include <optional>

using namespace std::chrono_literals;

namespace {

// A speech daemon that logs what its connections do: "open", "refused", "closed", "cancel", and
// "message:" or "text:" before what is said at that priority, "failed " before a call it fails.
struct Daemon
{
    struct Connection final : SpeechConnection
    {
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
        Daemon &daemon;
    };

    std::mutex logging, answering;
    std::unique_lock<std::mutex> hung { answering }; // till a test lets go, calls hold once logged
    QStringList events;
    int refusals = 0, failures = 0; // the first opens refused, the first calls failed

    void log(const QString &event)
    {
        const std::lock_guard lock(logging);
        events.append(event);
    }
    QStringList heard()
    {
        const std::lock_guard lock(logging);
        return events;
    }
    std::unique_ptr<SpeechConnection> operator()() // opens a connection, for a worker
    {
        const bool refused = refusals-- > 0;
        log(refused ? "refused" : "open");
        return refused ? nullptr : std::make_unique<Connection>(*this);
    }
    bool call(const QString &event)
    {
        const bool failed = failures-- > 0;
        log(failed ? "failed " + event : event);
        const std::lock_guard held(answering);
        return !failed;
    }
};

// A call as the tests write it: "!" first to interrupt, "~" for a mere echo, phrases between "|".
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
    // What must be heard goes at message priority, never dropped for other clients; one call's
    // phrases as one utterance, editing keys by name. With the first call held, an interrupting one
    // drops those still waiting. A missing or lost connection is opened anew for a phrase.
    void calls_data()
    {
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QStringList>("heard");
        // clang-format off
        QTest::newRow("result after stop") << QStringList { "!", "equals|15" } << QStringList { "open", "cancel", "message:equals 15" };
        QTest::newRow("typed keys")        << QStringList { "~\b|\t|\r|\x03|\x1b|\x1c|\x1d|\x1e|\x1f|\x7f|\x01|7\b" }
            << QStringList { "open", "text:backspace tab return enter escape left right up down delete control character 7\b" };
        QTest::newRow("interrupts")        << QStringList { "!~one", "!~two", "!~three", "~and four" }
            << QStringList { "open", "cancel", "text:one", "cancel", "text:three", "text:and four" };
        QTest::newRow("missing daemon")    << QStringList { "~lost", "~back" } << QStringList { "refused", "refused", "open", "text:back" };
        QTest::newRow("lost connection")   << QStringList { "~one", "~two" }
            << QStringList { "open", "failed text:one", "open", "closed", "text:one", "text:two" };
        QTest::newRow("lost for a phrase") << QStringList { "!~lost", "~back" }
            << QStringList { "open", "failed cancel", "open", "closed", "failed cancel", "closed", "open", "text:back" };
        // clang-format on
    }
    void calls()
    {
        QFETCH(QStringList, calls);
        QFETCH(QStringList, heard);
        Daemon daemon;
        daemon.refusals = heard.count("refused"), daemon.failures = heard.filter("failed ").size();
        std::optional<SpeechWorker> worker(std::in_place, std::ref(daemon), 2s);
        speak(*worker, calls.takeFirst());
        QTRY_VERIFY(daemon.heard().size() >= 2);
        for (const QString &call : std::as_const(calls))
            speak(*worker, call);
        daemon.hung.unlock();
        QTRY_COMPARE(daemon.heard(), heard);
        const QDeadlineTimer quitting(1000);
        worker.reset();
        QVERIFY2(!quitting.hasExpired(), "an idle worker waited out its grace period");
    }

    // Neither speaking nor quitting waits for a hung daemon. Behind it, calls beyond 64 waiting
    // are stale: those after the last drop are said once it answers.
    void hungDaemon()
    {
        Daemon daemon;
        std::optional<SpeechWorker> worker(std::in_place, std::ref(daemon), 50ms);
        speak(*worker, "~stuck");
        QStringList heard { "open", "text:stuck" };
        QTRY_COMPARE(daemon.heard(), heard);
        const QDeadlineTimer speaking(1000);
        for (int i = 0; i < 1000; ++i)
            speak(*worker, QString::number(i));
        QVERIFY2(!speaking.hasExpired(), "speaking waited for a hung daemon");
        for (int i = 15 * 64; i < 1000; ++i) // those after the last drop, of 64 waiting
            heard.append("message:" + QString::number(i));
        daemon.hung.unlock();
        QTRY_COMPARE(daemon.heard(), heard);

        daemon.hung.lock();
        speak(*worker, "~stuck again");
        QTRY_COMPARE(daemon.heard().last(), "text:stuck again");
        const QDeadlineTimer quitting(1000);
        worker.reset(); // leaves the stuck worker behind after its grace period
        QVERIFY2(!quitting.hasExpired(), "quitting waited for a hung daemon");
        daemon.hung.unlock(); // lets the abandoned worker close its connection, and end
        QTRY_COMPARE(daemon.heard().last(), "closed");
    }
};

QTEST_GUILESS_MAIN(SpeechWorkerTest)
#include "tst_speechworker.moc"
