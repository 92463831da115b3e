#include "speech/SpeechWorker.h"
#include "testing/VoiceText.h"

#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QTest>

#include <csignal>
#include <mutex>
#include <optional>

using namespace std::chrono_literals;

namespace {

// A speech daemon that logs what its connections do: "open", "refused", "closed", "cancel", "set"
// with the settings sent, and "message:" or "text:" before what is said at that priority,
// "failed " before a call it fails.
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
        bool setVoice(const Voice &changes) override { return daemon.call(voiceText(changes)); }
        bool setLanguage(const std::string &) override { return true; }
        std::optional<VoiceOffer> voiceOffer() override { return offer; }
        Daemon &daemon;
    };

    static inline const VoiceOffer offer { 20, 100, { "MALE1", "CHILD_FEMALE" } };
    std::mutex logging, answering;
    std::unique_lock<std::mutex> hung { answering }; // till a test lets go, calls hold once logged
    QStringList events;
    int refusals = 0, failures = 0; // the first opens refused, the first calls failed

    QStringList log(const QString &event = {}) // adds the event, if any; returns the log so far
    {
        const std::lock_guard lock(logging);
        if (!event.isEmpty())
            events.append(event);
        return events;
    }
    std::unique_ptr<SpeechConnection> operator()(QString &whyNot) // opens one, for a worker
    {
        const bool refused = refusals-- > 0;
        log(refused ? "refused" : "open");
        whyNot = QStringLiteral("refused by the test");
        return refused ? nullptr : std::make_unique<Connection>(*this);
    }
    bool call(const QString &event)
    {
        const bool failed = failures-- > 0;
        log(failed ? "failed " + event : event);
        if (event.endsWith("pipe")) // as writing to a socket the daemon closed does
            pthread_kill(pthread_self(), SIGPIPE);
        const std::lock_guard held(answering);
        return !failed;
    }
};

// A call as the tests write it: "!" first to interrupt, "~" for a mere echo, phrases between "|";
// or the voice, "=" followed by "r" for the rate, "v" for the volume and "t" for the type, as in
// "=r10 v-20 tMALE1", and "=" alone for the daemon's own.
void speak(SpeechService &speech, QString call)
{
    if (call.startsWith(u'=')) {
        Voice voice;
        for (const QString &setting : call.sliced(1).split(u' ', Qt::SkipEmptyParts))
            if (setting[0] == u't')
                voice.type = setting.sliced(1);
            else
                (setting[0] == u'r' ? voice.rate : voice.volume) = setting.sliced(1).toInt();
        return speech.setVoice(voice);
    }
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
    // Essentials go at message priority, never dropped for other clients; one call's phrases as one
    // utterance, editing keys by name. With the first call held, an interrupting one drops those
    // still waiting, as does a call beyond 64 waiting. A missing or lost connection is opened anew.
    void calls_data()
    {
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QStringList>("heard");
        // clang-format off
        QTest::newRow("result after stop") << QStringList { "!", "equals|15" } << QStringList { "open", "cancel", "message:equals 15" };
        QTest::newRow("typed keys")        << QStringList { "~\b|\t|\r|\x03|\x1b|\x1c|\x1d|\x1e|\x1f|\x7f|\x01|7\b" }
            << QStringList { "open", "text:backspace tab return enter escape left right up down delete control character 7\b" };
        QTest::newRow("interrupts")        << QStringList { "!~one", "!~two", "!~three", "~and four" } << QStringList { "open", "cancel", "text:one", "cancel", "text:three", "text:and four" };
        QTest::newRow("missing daemon")    << QStringList { "~lost", "~back" } << QStringList { "refused", "refused", "open", "text:back" };
        QTest::newRow("lost connection")   << QStringList { "~one", "~two" } << QStringList { "open", "failed text:one", "open", "closed", "text:one", "text:two" };
        QTest::newRow("broken pipe")       << QStringList { "~pipe", "~back" } << QStringList { "open", "text:pipe", "text:back" };
        QTest::newRow("lost for a phrase") << QStringList { "!~lost", "~back" } << QStringList { "open", "failed cancel", "open", "closed", "failed cancel", "closed", "open", "text:back" };
        // The voice: set before the first phrase and with each phrase given after it, anew on a
        // fresh connection; taking a setting back takes a fresh connection, after our cancel.
        QTest::newRow("voice in order")    << QStringList { "~one", "~two", "=r10", "faster", "~three", "=r10 v20", "louder" }
            << QStringList { "open", "text:one", "text:two", "set rate 10", "message:faster", "text:three", "set volume 20", "message:louder" };
        QTest::newRow("voice after a loss")<< QStringList { "=v20 tMALE1", "one" } << QStringList { "open", "failed set volume 20 type MALE1", "open", "closed", "set volume 20 type MALE1", "message:one" };
        QTest::newRow("voice taken back")  << QStringList { "=v10 tMALE1", "one", "=v10", "two", "=", "three" }
            << QStringList { "open", "set volume 10 type MALE1", "message:one", "open", "closed", "set volume 10", "message:two", "open", "closed", "message:three" };
        QTest::newRow("default voice")     << QStringList { "=r10", "one", "=", "!default voice" } << QStringList { "open", "set rate 10", "message:one", "cancel", "open", "closed", "message:default voice" };
        // clang-format on
        QStringList backlog { "~stuck" }, said { "open", "text:stuck" };
        for (int i = 0; i < 100; ++i) {
            backlog.append(QString::number(i));
            if (i >= 64) // 64 found 0 to 63 waiting, and dropped them
                said.append("message:" + QString::number(i));
        }
        QTest::newRow("backlog") << backlog << said;
    }
    void calls()
    {
        QFETCH(QStringList, calls);
        QFETCH(QStringList, heard);
        Daemon daemon;
        daemon.refusals = heard.count("refused"), daemon.failures = heard.filter("failed ").size();
        std::optional<SpeechWorker> worker(std::in_place, std::ref(daemon), 2s);
        worker->open();
        for (qsizetype i = 0; i < calls.size(); ++i) {
            speak(*worker, calls[i]);
            if (i == calls.indexOf(QRegularExpression("[^=].*"))) // the first phrase, held
                QTRY_VERIFY(daemon.log().size() >= 2);
        }
        daemon.hung.unlock();
        QTRY_COMPARE(daemon.log(), heard);
        QCOMPARE(worker->voiceOffer().types, Daemon::offer.types); // as a fresh connection heard
        const QDeadlineTimer quitting(1000);
        worker.reset();
        QVERIFY2(!quitting.hasExpired(), "an idle worker waited out its grace period");
        QCOMPARE(daemon.log().last(), "closed"); // before quitting went on
    }

    // Why the program fell silent is logged: a refused connection with the daemon's reason, a lost
    // one, a phrase dropped.
    void logsWhyItFellSilent()
    {
        Daemon daemon;
        daemon.refusals = 1, daemon.failures = 2;
        daemon.hung.unlock();
        QTest::ignoreMessage(
            QtWarningMsg, "no connection to the speech daemon: refused by the test");
        QTest::ignoreMessage(QtWarningMsg, "the speech daemon stopped answering; connecting again");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^dropped a phrase .*: lost$"));
        SpeechWorker worker(std::ref(daemon), 2s);
        worker.open();
        speak(worker, "~lost");
        QTRY_COMPARE(daemon.log(),
            QStringList({ "refused", "open", "failed text:lost", "open", "closed",
                "failed text:lost", "closed" }));
    }

    // Quitting leaves a worker stuck in a hung daemon behind, to close its connection once let go.
    void hungDaemon()
    {
        Daemon daemon;
        std::optional<SpeechWorker> worker(std::in_place, std::ref(daemon), 50ms);
        worker->open();
        speak(*worker, "~stuck");
        QTRY_COMPARE(daemon.log(), QStringList({ "open", "text:stuck" }));
        const QDeadlineTimer quitting(1000);
        worker.reset();
        QVERIFY2(!quitting.hasExpired(), "quitting waited for a hung daemon");
        daemon.hung.unlock();
        QTRY_COMPARE(daemon.log().last(), "closed");
    }
};

QTEST_GUILESS_MAIN(SpeechWorkerTest)
#include "tst_speechworker.moc"
