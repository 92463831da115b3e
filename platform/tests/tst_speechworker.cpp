#include "platform/SpeechWorker.h"

#include <QElapsedTimer>
#include <QTest>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <vector>

using namespace std::chrono_literals;

namespace {

// What every fake connection did, in order: "message:<text>" or "text:<text>" for what it
// said at that priority, "cancel", "open", "refused".
class Daemon
{
public:
    void record(std::string event)
    {
        std::lock_guard lock(mutex);
        events.push_back(std::move(event));
        changed.notify_all();
    }

    std::vector<std::string> snapshot()
    {
        std::lock_guard lock(mutex);
        return events;
    }

    // Waits, with a bound, until `count` events have been recorded.
    bool waitForEvents(std::size_t count)
    {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, 5s, [&] { return events.size() >= count; });
    }

    // Holds every say() until released, like a daemon that stopped answering.
    void hang() { hanging = true; }
    void release()
    {
        hanging = false;
        changed.notify_all();
    }
    void waitWhileHanging()
    {
        ++calls;
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return !hanging; });
    }

    std::atomic<int> calls = 0; // say() calls begun, hung or not
    std::atomic<int> refusalsLeft = 0; // opens to refuse before accepting again
    std::atomic<int> failuresLeft = 0; // say() calls to fail, as on a dead socket

private:
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::string> events;
    std::atomic<bool> hanging = false;
};

class FakeConnection final : public SpeechConnection
{
public:
    explicit FakeConnection(Daemon &daemon)
        : daemon(daemon)
    { }

    bool say(const std::string &text, SpeechPriority priority) override
    {
        daemon.waitWhileHanging();
        if (daemon.failuresLeft > 0) {
            --daemon.failuresLeft;
            return false;
        }
        daemon.record((priority == SpeechPriority::Message ? "message:" : "text:") + text);
        return true;
    }

    bool cancelOwnSpeech() override
    {
        daemon.record("cancel");
        return true;
    }

private:
    Daemon &daemon;
};

SpeechConnectionFactory factoryFor(Daemon &daemon)
{
    return [&daemon]() -> std::unique_ptr<SpeechConnection> {
        if (daemon.refusalsLeft > 0) {
            --daemon.refusalsLeft;
            daemon.record("refused");
            return nullptr;
        }
        daemon.record("open");
        return std::make_unique<FakeConnection>(daemon);
    };
}

using Events = std::vector<std::string>;

} // namespace

Q_DECLARE_METATYPE(Interrupt)
Q_DECLARE_METATYPE(Importance)

class SpeechWorkerTest : public QObject
{
    Q_OBJECT

private slots:
    // What must be heard goes at a priority the daemon never drops for another client's
    // speech; the phrases of one call go as one utterance, so no silence comes between them.
    void eachCallIsOneUtteranceAtItsPriority_data()
    {
        QTest::addColumn<QStringList>("phrases");
        QTest::addColumn<Interrupt>("interrupt");
        QTest::addColumn<Importance>("importance");
        QTest::addColumn<Events>("sent");

        QTest::newRow("result after equals") << QStringList { "equals", "15" } << Interrupt::Yes
                                             << Importance::Essential
                                             << Events { "cancel", "message:equals 15" };
        QTest::newRow("warning, equals and result")
            << QStringList { "INFINITY", "equals", "Infinity" } << Interrupt::Yes
            << Importance::Essential << Events { "cancel", "message:INFINITY equals Infinity" };
        QTest::newRow("result alone") << QStringList { "15" } << Interrupt::No
                                      << Importance::Essential << Events { "message:15" };
        QTest::newRow("typed key") << QStringList { QString(QChar(8)) } << Interrupt::No
                                   << Importance::Echo << Events { "text:backspace" };
        QTest::newRow("clicked key") << QStringList { "seven" } << Interrupt::Yes
                                     << Importance::Echo << Events { "cancel", "text:seven" };
        QTest::newRow("stop only") << QStringList {} << Interrupt::Yes << Importance::Essential
                                   << Events { "cancel" };
    }

    void eachCallIsOneUtteranceAtItsPriority()
    {
        QFETCH(QStringList, phrases);
        QFETCH(Interrupt, interrupt);
        QFETCH(Importance, importance);
        QFETCH(Events, sent);

        Daemon daemon;
        SpeechWorker worker(factoryFor(daemon));
        worker.speak(phrases, interrupt, importance);
        worker.speak({ "next" }, Interrupt::No, Importance::Essential);
        Events expected { "open" };
        expected.insert(expected.end(), sent.begin(), sent.end());
        expected.push_back("message:next");
        QVERIFY(daemon.waitForEvents(expected.size()));
        QCOMPARE(daemon.snapshot(), expected);
    }

    void interruptingPhraseDropsOwnPhrasesNotYetSent()
    {
        Daemon daemon;
        SpeechWorker worker(factoryFor(daemon));
        daemon.hang();
        worker.speak({ "one" }, Interrupt::Yes, Importance::Echo); // reaches say() and hangs there
        QTRY_VERIFY_WITH_TIMEOUT(daemon.snapshot().size() >= 2, 5000);
        worker.speak({ "two" }, Interrupt::Yes, Importance::Echo);
        worker.speak({ "three" }, Interrupt::Yes, Importance::Echo);
        worker.speak({ "and four" }, Interrupt::No, Importance::Echo);
        daemon.release();
        QVERIFY(daemon.waitForEvents(6));
        QCOMPARE(daemon.snapshot(),
            (Events { "open", "cancel", "text:one", "cancel", "text:three", "text:and four" }));
    }

    void missingDaemonIsRetriedOnALaterPhrase()
    {
        Daemon daemon;
        daemon.refusalsLeft = 2; // at start, and for the first phrase
        SpeechWorker worker(factoryFor(daemon));
        worker.speak({ "lost" }, Interrupt::No, Importance::Echo);
        QVERIFY(daemon.waitForEvents(2));
        worker.speak({ "back" }, Interrupt::No, Importance::Echo);
        QVERIFY(daemon.waitForEvents(4));
        QCOMPARE(daemon.snapshot(), (Events { "refused", "refused", "open", "text:back" }));
    }

    void lostConnectionIsReopenedForThePhrase()
    {
        Daemon daemon;
        SpeechWorker worker(factoryFor(daemon));
        worker.speak({ "first" }, Interrupt::No, Importance::Echo);
        QVERIFY(daemon.waitForEvents(2));
        daemon.failuresLeft = 1; // the daemon died in between
        worker.speak({ "second" }, Interrupt::No, Importance::Echo);
        QVERIFY(daemon.waitForEvents(4));
        QCOMPARE(daemon.snapshot(), (Events { "open", "text:first", "open", "text:second" }));
    }

    void speakNeverWaitsForAHungDaemon()
    {
        Daemon daemon;
        daemon.hang();
        std::optional<SpeechWorker> worker(std::in_place, factoryFor(daemon), 50ms);
        worker->speak({ "stuck" }, Interrupt::No, Importance::Echo);
        QTRY_COMPARE_WITH_TIMEOUT(daemon.calls.load(), 1, 5000);

        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 1000; ++i)
            worker->speak({ QString::number(i) }, Interrupt::No, Importance::Echo);
        QVERIFY2(timer.elapsed() < 1000, "speaking waited on a hung daemon");
        timer.restart();
        worker.reset(); // quitting leaves the stuck worker behind after its grace period
        QVERIFY2(timer.elapsed() < 1000, "quitting waited on a hung daemon");

        daemon.release(); // lets the abandoned worker finish before the daemon goes away
        QVERIFY(daemon.waitForEvents(2));
        QCOMPARE(daemon.snapshot(), (Events { "open", "text:stuck" }));
    }
};

QTEST_GUILESS_MAIN(SpeechWorkerTest)
#include "tst_speechworker.moc"
