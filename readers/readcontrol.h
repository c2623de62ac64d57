#pragma once

#include <atomic>
#include <cstdint>
#include <stdexcept>

namespace brisolant {

// Between a rig file's reading on a thread of its own and whoever waits for
// it: how far the reading has come, and a request to stop. The reader moves
// done on as it goes and looks at cancelled often enough to stop within a
// moment: at least once a megabyte read, parsed or inflated, and once every
// few thousand rows.
//
// Each byte of the file counts twice, once when it is read and once when it
// is parsed, so that done runs from 0 to total = 2 × the file's size, never
// backwards: a patch list or a zip is read whole (done up to the size), then
// parsed (the size up to twice it, an MVR by its scene inflated); XML is
// parsed as it is read (done twice the bytes read). After a zip's scene,
// the GDTF files it names are read with done at its end.
struct ReadControl {
    // Where the reading is: done / total for a bar.
    std::atomic<std::int64_t> done{0};
    // Twice the file's size; 0 while unknown (standard input, a pipe).
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
