#pragma once

#include "switchchart.h"

#include <cstddef>
#include <vector>

namespace brisolant {

// Where the 512 channels of one universe go, for whoever adds a fixture to a
// rig: each charted fixture's span, the channels two or more fixtures take,
// and the blocks that no fixture takes. Only charted fixtures count: one left
// off the chart (not patched, or at 512) takes no channel here.
class UniverseMap final {
public:
    // Channels first to last of the universe, both included.
    struct Block {
        int first = 0;
        int last = 0;
        [[nodiscard]] int size() const { return last - first + 1; }
        friend bool operator==(const Block&, const Block&) = default;
    };
    struct Span {
        std::size_t row = 0; // index into the chart's rows
        Block channels;
    };

    // A map for each universe the rows use, lowest first. A universe that no
    // row uses gets none: all of its channels are free. O(n log n).
    [[nodiscard]] static std::vector<UniverseMap> of(const std::vector<SwitchChart::Row>& rows);

    int universe = 1;
    // By first channel, fixtures starting together in list order.
    std::vector<Span> spans;
    // Runs of channels taken by two or more fixtures, in channel order; runs
    // that touch are one.
    std::vector<Block> shared;
    // Runs of channels taken by none, in channel order.
    std::vector<Block> free;

    // Channels taken by at least one fixture, and by none.
    [[nodiscard]] int usedChannels() const;
    [[nodiscard]] int freeChannels() const;
    // The size of the largest free block; 0 when the universe is full.
    [[nodiscard]] int largestFree() const;

private:
    // Fills spans, shared and free from the universe's rows, sorted by first
    // channel and then by place.
    void sweep(const std::vector<SwitchChart::Row>& rows, const std::vector<std::size_t>& sorted);
};

} // namespace brisolant
