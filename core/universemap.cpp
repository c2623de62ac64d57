#include "universemap.h"

#include "chartorder.h"
#include "dmxlimits.h"

#include <algorithm>

namespace brisolant {

std::vector<UniverseMap> UniverseMap::of(const std::vector<SwitchChart::Row>& rows) {
    const std::vector<std::size_t> sorted = ChartOrder::byAddress(rows);
    std::vector<UniverseMap> maps;
    std::vector<std::size_t> universe;
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        universe.push_back(sorted[i]);
        if (i + 1 == sorted.size() || rows[sorted[i + 1]].universe != rows[sorted[i]].universe) {
            UniverseMap& map = maps.emplace_back();
            map.universe = rows[sorted[i]].universe;
            map.sweep(rows, universe);
            universe.clear();
        }
    }
    return maps;
}

void UniverseMap::sweep(const std::vector<SwitchChart::Row>& rows,
                        const std::vector<std::size_t>& sorted) {
    // The spans come by first channel, so the last channel taken so far tells
    // both the gap before a span and how far it lies on channels already
    // taken: the span that reached furthest starts no later than this one.
    int reach = dmx::kFirstChannel - 1;
    for (const std::size_t row : sorted) {
        const Block channels{rows[row].startAddress,
                             rows[row].startAddress + rows[row].channels - 1};
        spans.push_back({row, channels});
        if (channels.first > reach + 1) {
            free.push_back({reach + 1, channels.first - 1});
        }
        if (reach >= channels.first) {
            const Block both{channels.first, std::min(channels.last, reach)};
            if (!shared.empty() && shared.back().last + 1 >= both.first) {
                shared.back().last = std::max(shared.back().last, both.last);
            } else {
                shared.push_back(both);
            }
        }
        reach = std::max(reach, channels.last);
    }
    if (reach < dmx::kLastChannel) {
        free.push_back({reach + 1, dmx::kLastChannel});
    }
}

int UniverseMap::usedChannels() const {
    return dmx::kLastChannel - freeChannels();
}

int UniverseMap::freeChannels() const {
    int count = 0;
    for (const Block& block : free) {
        count += block.size();
    }
    return count;
}

int UniverseMap::largestFree() const {
    int largest = 0;
    for (const Block& block : free) {
        largest = std::max(largest, block.size());
    }
    return largest;
}

} // namespace brisolant
