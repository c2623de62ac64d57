#pragma once

#include "readcontrol.h"

#include <algorithm>
#include <cstdint>

namespace brisolant {

// One stretch of a ReadControl's done, which a parse moves along as it goes:
// from `from` to from + span as part of whole is parsed. Without a control it
// tells nothing and never stops.
struct ParseProgress {
    ReadControl* control = nullptr;
    std::int64_t from = 0;
    std::int64_t span = 0;

    // Tells that part of whole is parsed (whole 0: nothing to tell), and
    // throws ReadCancelled once the reading is cancelled.
    void at(std::int64_t part, std::int64_t whole) const {
        if (control == nullptr) {
            return;
        }
        if (whole > 0) {
            // In doubles: span times part may not fit in 64 bits.
            const double share = std::clamp(double(part) / double(whole), 0.0, 1.0);
            control->done.store(from + static_cast<std::int64_t>(share * double(span)),
                                std::memory_order_relaxed);
        }
        control->checkCancelled();
    }
};

} // namespace brisolant
