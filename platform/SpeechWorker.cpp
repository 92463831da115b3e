#include "platform/SpeechWorker.h"

#include "platform/SpokenText.h"

#include <condition_variable>
#include <csignal>
#include <deque>
#include <mutex>
#include <pthread.h>
#include <thread>

namespace {

struct Request
{
    std::string text;
    Interrupt interrupt;
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
        return connection->say(request.text);
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

void SpeechWorker::speak(const QString &phrase, Interrupt interrupt)
{
    std::lock_guard lock(shared->mutex);
    // An interrupting phrase supersedes our own phrases that have not reached the daemon yet.
    if (interrupt == Interrupt::Yes || shared->pending.size() >= maxPendingRequests)
        shared->pending.clear();
    shared->pending.push_back({ spokenText(phrase).toStdString(), interrupt });
    shared->wake.notify_one();
}
