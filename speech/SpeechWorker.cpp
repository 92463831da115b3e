#include "speech/SpeechWorker.h"

#include "speech/SpeechLog.h"
#include "speech/SpokenText.h"

#include <condition_variable>
#include <csignal>
#include <deque>
#include <mutex>
#include <pthread.h>
#include <thread>

namespace {

// What speech-dispatcher 0.11 does with each priority, measured with espeak-ng (README.md,
// "Speech latency"):
// - Every utterance ends in espeak-ng's end-of-text pause, 0.31 to 0.41 s of silence that the
//   daemon plays out before it reports the end. A message never interrupts another message,
//   anyone's, so the next one waits out that silence: an echo typed 0.1 s after the one before
//   ended came 265 ms late, 0.25 s after it 95 ms late; "equals" and "10" as two messages came
//   0.5 s apart.
// - A text-priority utterance supersedes the text-priority speech under way, silent end and
//   all, and starts as soon as at rest; but every message, a screen reader's too, cancels it,
//   waiting or sounding. A connection's own cancel ends its silent end too.
// - Each utterance of an SSIP block keeps its own silent end: a block saves nothing.
// - Important priority would cut a screen reader's speech.
// So an echo, which the next key supersedes anyway, goes at text priority; what must be heard
// goes at message priority, which waits behind other clients' messages and is never dropped
// for them; and the phrases of one call go as one utterance, without silence between them.
// Neither priority cuts another client's message; either cuts another client's text-priority
// speech, as the daemon's rules have every audible priority do.
SpeechPriority priorityFor(Importance importance)
{
    return importance == Importance::Echo ? SpeechPriority::Text : SpeechPriority::Message;
}

std::string utteranceOf(const QStringList &phrases)
{
    QStringList texts;
    for (const QString &phrase : phrases)
        texts.append(spokenText(phrase));
    return texts.join(u' ').toStdString();
}

struct Request
{
    std::string utterance; // empty: only the interrupt
    Interrupt interrupt;
    SpeechPriority priority;
    Voice voice;
};

// A daemon keeps what a connection set: taking a setting back takes a fresh connection.
bool takesBack(const Voice &wanted, const Voice &applied)
{
    return (applied.rate && !wanted.rate) || (applied.volume && !wanted.volume)
        || (!applied.type.isEmpty() && wanted.type.isEmpty());
}

Voice changesFrom(const Voice &applied, const Voice &wanted)
{
    Voice changes;
    if (wanted.rate != applied.rate)
        changes.rate = wanted.rate;
    if (wanted.volume != applied.volume)
        changes.volume = wanted.volume;
    if (wanted.type != applied.type)
        changes.type = wanted.type;
    return changes;
}

// Phrases still waiting beyond this are stale: a stuck daemon must not build up a backlog.
constexpr std::size_t maxPendingRequests = 64;

} // namespace

struct SpeechWorker::Shared
{
    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable finished;
    std::deque<Request> pending;
    bool opened = false;
    bool stopping = false;
    bool done = false;
    Voice voice; // for the phrases handed over from now on
    std::string language = "en"; // of every phrase, set before any is spoken
    VoiceOffer offer;

    SpeechConnectionFactory openConnection;
    std::unique_ptr<SpeechConnection> connection;
    Voice applied; // to the connection
    bool refusalReported = false;

    void reconnect()
    {
        QString whyNot;
        connection = openConnection(whyNot);
        applied = {};
        // Each outage once, however many phrases meet it.
        if (!connection && !refusalReported)
            qCWarning(speechLog).noquote() << "no connection to the speech daemon:" << whyNot;
        else if (connection && refusalReported)
            qCInfo(speechLog) << "connected to the speech daemon again";
        refusalReported = !connection;
        if (connection) {
            std::unique_lock lock(mutex);
            const std::string spoken = language;
            lock.unlock();
            connection->setLanguage(spoken);
        }
        // Asked before the voice is set, the daemon tells its own.
        if (const auto offered = connection ? connection->voiceOffer() : std::nullopt) {
            std::lock_guard lock(mutex);
            offer = *offered;
        }
    }

    bool tune(const Voice &wanted)
    {
        if (takesBack(wanted, applied))
            reconnect();
        if (!connection)
            return false;
        if (const Voice changes = changesFrom(applied, wanted);
            changes != Voice() && !connection->setVoice(changes))
            return false;
        applied = wanted;
        return true;
    }

    bool deliver(const Request &request)
    {
        // Our speech is cut before a fresh connection for the voice leaves it behind.
        if (request.interrupt == Interrupt::Yes && !connection->cancelOwnSpeech())
            return false;
        return tune(request.voice)
            && (request.utterance.empty() || connection->say(request.utterance, request.priority));
    }

    void handle(const Request &request)
    {
        if (!connection)
            reconnect();
        if (!connection) {
            // Why was said as the connection was refused.
            qCDebug(speechLog) << "no speech daemon for" << request.utterance.c_str();
            return;
        }
        if (deliver(request))
            return;
        // The daemon went away: a fresh connection, once, for this phrase.
        qCWarning(speechLog) << "the speech daemon stopped answering; connecting again";
        reconnect();
        if (connection && deliver(request))
            return;
        connection.reset();
        qCWarning(speechLog) << "dropped a phrase the speech daemon did not take:"
                             << request.utterance.c_str();
    }

    bool waitUntilOpened()
    {
        std::unique_lock lock(mutex);
        wake.wait(lock, [this] { return stopping || opened; });
        return !stopping;
    }

    void run()
    {
        // A write to a daemon that died must fail, not kill the program.
        sigset_t pipeSignal;
        sigemptyset(&pipeSignal);
        sigaddset(&pipeSignal, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipeSignal, nullptr);

        if (waitUntilOpened())
            reconnect();
        for (;;) {
            Request request;
            {
                std::unique_lock lock(mutex);
                wake.wait(lock, [this] { return stopping || !pending.empty(); });
                if (stopping)
                    break;
                request = std::move(pending.front());
                pending.pop_front();
            }
            handle(request);
        }
        connection.reset();
        std::lock_guard lock(mutex);
        done = true;
        finished.notify_all();
    }
};

using namespace std::chrono_literals;

const std::chrono::milliseconds SpeechWorker::defaultShutdownGrace = 250ms;

SpeechWorker::SpeechWorker(
    SpeechConnectionFactory openConnection, std::chrono::milliseconds shutdownGrace)
    : shared(std::make_shared<Shared>())
    , shutdownGrace(shutdownGrace)
{
    shared->openConnection = std::move(openConnection);
    std::thread([worker = shared] { worker->run(); }).detach();
}

SpeechWorker::~SpeechWorker()
{
    std::unique_lock lock(shared->mutex);
    shared->stopping = true;
    shared->wake.notify_all();
    shared->finished.wait_for(lock, shutdownGrace, [this] { return shared->done; });
}

void SpeechWorker::open()
{
    std::lock_guard lock(shared->mutex);
    shared->opened = true;
    shared->wake.notify_one();
}

void SpeechWorker::speak(const QStringList &phrases, Interrupt interrupt, Importance importance)
{
    std::lock_guard lock(shared->mutex);
    // An interrupting phrase supersedes our own phrases that have not reached the daemon yet.
    if (interrupt == Interrupt::Yes)
        shared->pending.clear();
    if (shared->pending.size() >= maxPendingRequests) {
        qCWarning(speechLog) << "dropped" << shared->pending.size()
                             << "phrases waiting for a speech daemon that does not answer";
        shared->pending.clear();
    }
    shared->pending.push_back(
        { utteranceOf(phrases), interrupt, priorityFor(importance), shared->voice });
    shared->wake.notify_one();
}

void SpeechWorker::setLanguage(const QString &language)
{
    std::lock_guard lock(shared->mutex);
    shared->language = language.toStdString();
}

void SpeechWorker::setVoice(const Voice &voice)
{
    std::lock_guard lock(shared->mutex);
    shared->voice = voice;
}

VoiceOffer SpeechWorker::voiceOffer() const
{
    std::lock_guard lock(shared->mutex);
    return shared->offer;
}
