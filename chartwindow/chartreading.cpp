#include "chartreading.h"

#include "readcontrol.h"

#include <QCoreApplication>

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace brisolant {

namespace {

// How long quitting waits for the readings it cancels: a file's read stops
// within a chunk of it, its parsing within a moment.
constexpr std::chrono::seconds kQuitWait{2};

// The readings whose threads run, by their controls.
struct Threads {
    std::mutex mutex;
    std::condition_variable ended;
    std::vector<ReadControl*> controls;
};

Threads& threads() {
    // Never destroyed: a thread blocked on a pipe may outlive main.
    static auto* const all = new Threads;
    return *all;
}

} // namespace

struct ChartReading::Shared {
    ReadControl control;
    std::mutex mutex;
    // Told when the reading ends; nothing once cancelled. The rest is set
    // once the reading has ended. Guarded by mutex.
    ChartReading* owner = nullptr;
    std::optional<std::variant<ChartFile, QString>> result;
    std::exception_ptr error;
};

ChartReading::ChartReading(const QString& path, QObject* parent)
    : QObject(parent)
    , m_shared(std::make_shared<Shared>()) {
    [[maybe_unused]] static const bool stopsAtQuit = [] {
        QCoreApplication* application = QCoreApplication::instance();
        connect(application, &QCoreApplication::aboutToQuit, application,
                [] { stopAll(kQuitWait); });
        return true;
    }();
    m_shared->owner = this;
    Threads& all = threads();
    const std::lock_guard lock(all.mutex);
    all.controls.push_back(&m_shared->control);
    try {
        std::thread(&ChartReading::run, m_shared, path).detach();
    } catch (...) {
        all.controls.pop_back();
        throw;
    }
}

ChartReading::~ChartReading() {
    cancel();
}

void ChartReading::run(const std::shared_ptr<Shared>& shared, const QString& path) {
    std::optional<std::variant<ChartFile, QString>> result;
    std::exception_ptr error;
    bool cancelled = false;
    try {
        result = ChartFile::read(path, &shared->control);
    } catch (const ReadCancelled&) {
        cancelled = true;
    } catch (...) {
        error = std::current_exception();
    }
    if (!cancelled) {
        const std::lock_guard lock(shared->mutex);
        shared->result = std::move(result);
        shared->error = error;
        if (shared->owner != nullptr) {
            // Looked at again where it arrives: cancelled in between, the
            // owner is told nothing.
            QMetaObject::invokeMethod(
                shared->owner,
                [shared] {
                    ChartReading* owner = nullptr;
                    {
                        const std::lock_guard lock(shared->mutex);
                        owner = shared->owner;
                    }
                    if (owner != nullptr) {
                        Q_EMIT owner->finished();
                    }
                },
                Qt::QueuedConnection);
        }
    }
    Threads& all = threads();
    const std::lock_guard lock(all.mutex);
    std::erase(all.controls, &shared->control);
    all.ended.notify_all();
}

std::optional<double> ChartReading::progress() const {
    const std::int64_t total = m_shared->control.total;
    if (total <= 0) {
        return std::nullopt;
    }
    return std::clamp(static_cast<double>(m_shared->control.done) / static_cast<double>(total), 0.0,
                      1.0);
}

void ChartReading::cancel() {
    m_shared->control.cancelled = true;
    const std::lock_guard lock(m_shared->mutex);
    m_shared->owner = nullptr;
}

std::variant<ChartFile, QString> ChartReading::take() {
    const std::lock_guard lock(m_shared->mutex);
    if (m_shared->error) {
        std::rethrow_exception(m_shared->error);
    }
    return std::move(m_shared->result.value());
}

int ChartReading::running() {
    Threads& all = threads();
    const std::lock_guard lock(all.mutex);
    return static_cast<int>(all.controls.size());
}

bool ChartReading::stopAll(std::chrono::milliseconds timeout) {
    Threads& all = threads();
    std::unique_lock lock(all.mutex);
    for (ReadControl* control : all.controls) {
        control->cancelled = true;
    }
    return all.ended.wait_for(lock, timeout, [&all] { return all.controls.empty(); });
}

} // namespace brisolant

#include "moc_chartreading.cpp"
