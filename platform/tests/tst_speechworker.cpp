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

// What every fake connection did, in order: "say:<text>", "cancel", "open", "refused".
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

    bool say(const std::string &text) override
    {
        daemon.waitWhileHanging();
        if (daemon.failuresLeft > 0) {
            --daemon.failuresLeft;
            return false;
        }
        daemon.record("say:" + text);
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

class SpeechWorkerTest : public QObject
{
    Q_OBJECT

private slots:
    void opensAtStartAndSpeaksInOrder()
    {
        Daemon daemon;
        SpeechWorker worker(factoryFor(daemon));
        worker.speak({ "ready" }, Interrupt::No, Importance::Echo);
        QVERIFY(daemon.waitForEvents(2));
        worker.speak({ "equals" }, Interrupt::Yes, Importance::Echo);
        worker.speak({ "15" }, Interrupt::No, Importance::Echo);
        QVERIFY(daemon.waitForEvents(5));
        QCOMPARE(
            daemon.snapshot(), (Events { "open", "say:ready", "cancel", "say:equals", "say:15" }));
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
            (Events { "open", "cancel", "say:one", "cancel", "say:three", "say:and four" }));
    }

    void controlCharactersAreSaidByName()
    {
        Daemon daemon;
        SpeechWorker worker(factoryFor(daemon));
        worker.speak({ QString(QChar(8)) }, Interrupt::No, Importance::Echo);
        QVERIFY(daemon.waitForEvents(2));
        QCOMPARE(daemon.snapshot().back(), "say:backspace");
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
        QCOMPARE(daemon.snapshot(), (Events { "refused", "refused", "open", "say:back" }));
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
        QCOMPARE(daemon.snapshot(), (Events { "open", "say:first", "open", "say:second" }));
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
        QCOMPARE(daemon.snapshot(), (Events { "open", "say:stuck" }));
    }
};

QTEST_GUILESS_MAIN(SpeechWorkerTest)
#include "tst_speechworker.moc"
