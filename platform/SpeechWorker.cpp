#include "platform/SpeechWorker.h"

#include "platform/SpokenText.h"

#include <condition_variable>
#include <csignal>
#include <deque>
#include <mutex>
#include <pthread.h>
#include <thread>
#include <vector>

namespace {

struct Request
{
    std::vector<std::string> texts;
    Interrupt interrupt;
    Importance importance;
};

// Phrases still waiting beyond this are stale: a stuck daemon must not build up a backlog.
constexpr std::size_t maxPendingRequests = 64;

} // namespace

struct SpeechWorker::Shared
{
    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable finished;
    std::deque<Request> pending;
    bool stopping = false;
    bool done = false;

    SpeechConnectionFactory openConnection;
    std::unique_ptr<SpeechConnection> connection;

    bool deliver(const Request &request)
    {
        if (request.interrupt == Interrupt::Yes && !connection->cancelOwnSpeech())
            return false;
        for (const std::string &text : request.texts) {
            if (!connection->say(text))
                return false;
        }
        return true;
    }

    void run()
    {
        // A write to a daemon that died must fail, not kill the program.
        sigset_t pipeSignal;
        sigemptyset(&pipeSignal);
        sigaddset(&pipeSignal, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &pipeSignal, nullptr);

        connection = openConnection();
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
            if (!connection)
                connection = openConnection();
            if (connection && !deliver(request)) {
                // The daemon went away: try a fresh connection once for this phrase.
                connection = openConnection();
                if (connection && !deliver(request))
                    connection.reset();
            }
        }
        connection.reset();
        std::lock_guard lock(mutex);
        done = true;
        finished.notify_all();
    }
};

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

void SpeechWorker::speak(const QStringList &phrases, Interrupt interrupt, Importance importance)
{
    std::lock_guard lock(shared->mutex);
    // An interrupting phrase supersedes our own phrases that have not reached the daemon yet.
    if (interrupt == Interrupt::Yes || shared->pending.size() >= maxPendingRequests)
        shared->pending.clear();
    std::vector<std::string> texts;
    for (const QString &phrase : phrases)
        texts.push_back(spokenText(phrase).toStdString());
    shared->pending.push_back({ std::move(texts), interrupt, importance });
    shared->wake.notify_one();
}
