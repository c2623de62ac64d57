#pragma once

#include <cstddef>
#include <functional>
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
    void forEach(std::size_t i, const std::function<bool(std::size_t)>& found) const;

private:
    // The spans of span i's universe: positions [first, second) in the order.
    [[nodiscard]] std::pair<std::size_t, std::size_t> universeOf(std::size_t i) const;
    // Reports the positions in [from, to) whose span ends at lastAtLeast or
    // later, in order, as forEach does; false once found has said stop.
    bool reportEarlier(std::size_t node, std::size_t nodeFrom, std::size_t nodeTo, std::size_t from,
                       std::size_t to, int lastAtLeast,
                       const std::function<bool(std::size_t)>& found) const;

    std::vector<Span> m_spans;
    std::vector<std::size_t> m_order;    // position -> span
    std::vector<std::size_t> m_position; // span -> position
    std::vector<int> m_universes;        // by position
    std::vector<int> m_firsts;           // by position, rising within a universe
    std::vector<int> m_lastsRising;      // each universe's last channels, sorted
    std::vector<int> m_highestLast;      // the tree: leaves from m_leaves on
    std::size_t m_leaves = 1;
};

} // namespace brisolant
