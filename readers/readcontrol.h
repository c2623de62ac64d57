#pragma once

#include <atomic>
#include <cstdint>
#include <stdexcept>

namespace brisolant {

// Between a rig file's reading on a thread of its own and whoever waits for
// it: how far the reading has come, and a request to stop. The reader adds to
// done as it goes and looks at cancelled often enough to stop within a moment.
struct ReadControl {
    // Bytes of the file read, then bytes of it parsed: done / total for a bar.
    std::atomic<std::int64_t> done{0};
    // The file's size; 0 while unknown (standard input, a pipe).
    std::atomic<std::int64_t> total{0};
    // Set by whoever waits; the reader then throws ReadCancelled.
    std::atomic<bool> cancelled{false};

    // Throws ReadCancelled once cancelled is set.
    void checkCancelled() const;
};

// The reading stopped because it was asked to; nothing of it is kept.
class ReadCancelled final : public std::runtime_error {
public:
    ReadCancelled()
        : std::runtime_error("reading cancelled") {}
};

inline void ReadControl::checkCancelled() const {
    if (cancelled.load(std::memory_order_relaxed)) {
        throw ReadCancelled();
    }
}

} // namespace brisolant
