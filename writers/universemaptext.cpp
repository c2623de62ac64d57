#include "universemaptext.h"

#include "universemap.h"

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace brisolant {

namespace {

// A line of a universe's map, and where it goes: by first channel, a span
// before the shared run that starts with it.
struct Line {
    int first = 0;
    int kind = 0;
    std::string text;
};

Line lineOf(int universe, int kind, const char* word, const UniverseMap::Block& block) {
    return {block.first, kind,
            std::to_string(universe) + " " + word + " " + std::to_string(block.first) + "-" +
                std::to_string(block.last) + " " + std::to_string(block.size())};
}

} // namespace

QByteArray UniverseMapText::render(const SwitchChart::Chart& chart) {
    std::string out;
    std::vector<Line> lines;
    for (const UniverseMap& map : UniverseMap::of(chart.rows)) {
        lines.clear();
        for (const UniverseMap::Span& span : map.spans) {
            lines.push_back(lineOf(map.universe, 0, "span", span.channels));
            lines.back().text.append(" ").append(chart.rows[span.row].label());
        }
        for (const UniverseMap::Block& block : map.shared) {
            lines.push_back(lineOf(map.universe, 1, "shared", block));
        }
        for (const UniverseMap::Block& block : map.free) {
            lines.push_back(lineOf(map.universe, 2, "free", block));
        }
        std::stable_sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) {
            return std::tie(a.first, a.kind) < std::tie(b.first, b.kind);
        });
        for (const Line& line : lines) {
            out.append(line.text).push_back('\n');
        }
        out.append(std::to_string(map.universe) + " total used " +
                   std::to_string(map.usedChannels()) + " free " +
                   std::to_string(map.freeChannels()) + " largest " +
                   std::to_string(map.largestFree()) + "\n");
    }
    return QByteArray::fromStdString(out);
}

} // namespace brisolant
