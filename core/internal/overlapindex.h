#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace brisolant {

// Which spans of channels overlap, found without comparing every pair: a rig
// of thousands of fixtures at one address has millions of pairs, and the chart
// must still be made at once. The spans are sorted by universe, first and last
// channel, then by their index; a count of the spans that start by a channel
// and of those that end before it gives how many overlap one span, and a tree
// of the highest last channel under each node finds the earlier ones.
class OverlapIndex final {
public:
    struct Span {
        int universe = 1;
        int first = 1;
        int last = 1; // inclusive
    };

    // O(n log n).
    explicit OverlapIndex(const std::vector<Span>& spans);

    // How many other spans overlap span i. O(log n).
    [[nodiscard]] std::size_t count(std::size_t i) const;

    // Calls found(j) for each other span j that overlaps span i, in the sorted
    // order above, until found returns false. O(log n) for each span found.
    // A template, as a chart calls it once for every fixture: through a
    // std::function each call would cost an allocation.
    template <typename Found> void forEach(std::size_t i, const Found& found) const {
        const auto [from, to] = universeOf(i);
        const std::size_t position = m_position[i];
        const Span& span = m_spans[i];
        // Those sorted before it start no later, so they overlap where they reach it.
        if (!reportEarlier(1, 0, m_leaves, from, position, span.first, found)) {
            return;
        }
        // Those sorted after it end no earlier, so they overlap where they start by its end.
        for (std::size_t later = position + 1; later < to && m_firsts[later] <= span.last;
             ++later) {
            if (!found(m_order[later])) {
                return;
            }
        }
    }

private:
    // The spans of span i's universe: positions [first, second) in the order.
    [[nodiscard]] std::pair<std::size_t, std::size_t> universeOf(std::size_t i) const {
        return m_universeOf[m_position[i]];
    }
    // Reports the positions in [from, to) whose span ends at lastAtLeast or
    // later, in order, as forEach does; false once found has said stop.
    template <typename Found>
    [[nodiscard]] bool reportEarlier(std::size_t node, std::size_t nodeFrom, std::size_t nodeTo,
                                     std::size_t from, std::size_t to, int lastAtLeast,
                                     const Found& found) const {
        if (nodeTo <= from || to <= nodeFrom || m_highestLast[node] < lastAtLeast) {
            return true;
        }
        if (nodeTo - nodeFrom == 1) {
            return found(m_order[nodeFrom]);
        }
        const std::size_t middle = (nodeFrom + nodeTo) / 2;
        return reportEarlier(2 * node, nodeFrom, middle, from, to, lastAtLeast, found) &&
               reportEarlier(2 * node + 1, middle, nodeTo, from, to, lastAtLeast, found);
    }

    std::vector<Span> m_spans;
    std::vector<std::size_t> m_order;    // position -> span
    std::vector<std::size_t> m_position; // span -> position
    // By position, the positions of the spans in its universe, [first, second).
    std::vector<std::pair<std::size_t, std::size_t>> m_universeOf;
    std::vector<int> m_firsts;      // by position, rising within a universe
    std::vector<int> m_lastsRising; // each universe's last channels, sorted
    std::vector<int> m_highestLast; // the tree: leaves from m_leaves on
    std::size_t m_leaves = 1;
};

} // namespace brisolant
