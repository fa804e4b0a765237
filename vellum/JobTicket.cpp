#include "JobTicket.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMetaObject>

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace {

struct Lifetime {
    std::mutex mutex;
    std::condition_variable idle;
    bool accepting = false;  // an application object exists and is not ending
    int running = 0;
    std::atomic<bool> cancel = false;
};

// Never destroyed: a job thread may still look at it while the process exits.
Lifetime& State() {
    static Lifetime* const state = new Lifetime;
    return *state;
}

// Runs in the destructor of the application object, on its thread.
void OnApplicationEnd() {
    Lifetime& state = State();
    std::unique_lock lock(state.mutex);
    state.accepting = false;
    state.cancel = true;
    state.idle.wait(lock, [&state] { return state.running == 0; });
}

// Runs when an application object is made, or at once when one exists.
void OnApplicationStart() {
    Lifetime& state = State();
    {
        const std::lock_guard lock(state.mutex);
        state.accepting = true;
        state.cancel = false;
    }
    qAddPostRoutine(OnApplicationEnd);
}

}  // namespace

std::optional<JobTicket> JobTicket::Enter() {
    static std::once_flag watching;
    std::call_once(watching, [] { qAddPreRoutine(OnApplicationStart); });
    Lifetime& state = State();
    const std::lock_guard lock(state.mutex);
    if (!state.accepting || !qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        return std::nullopt;
    }
    ++state.running;
    return JobTicket();
}

JobTicket::JobTicket(JobTicket&& other) noexcept : holds_(other.holds_) { other.holds_ = false; }

JobTicket::~JobTicket() {
    if (!holds_) {
        return;
    }
    Lifetime& state = State();
    const std::lock_guard lock(state.mutex);
    --state.running;
    state.idle.notify_all();
}

bool JobTicket::Cancelled() const { return State().cancel.load(); }

bool JobTicket::QueueOnApplication(std::function<void()> work) const {
    Lifetime& state = State();
    const std::lock_guard lock(state.mutex);
    if (!state.accepting || state.cancel) {
        return false;
    }
    // Posted while the lock holds off the application's end, so the call is
    // either delivered by its event loop or dropped with its queue.
    return QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(work),
                                     Qt::QueuedConnection);
}
