#include "overlapindex.h"

#include <algorithm>
#include <climits>
#include <tuple>

namespace brisolant {

OverlapIndex::OverlapIndex(const std::vector<Span>& spans)
    : m_spans(spans)
    , m_order(spans.size())
    , m_position(spans.size()) {
    // Sorted as copies beside their index, not through the index: every
    // comparison then reads one place in memory.
    struct Sorted {
        Span span;
        std::size_t index;
    };
    std::vector<Sorted> sorted;
    sorted.reserve(spans.size());
    for (std::size_t i = 0; i < spans.size(); ++i) {
        sorted.push_back({spans[i], i});
    }
    std::sort(sorted.begin(), sorted.end(), [](const Sorted& one, const Sorted& two) {
        return std::tie(one.span.universe, one.span.first, one.span.last, one.index) <
               std::tie(two.span.universe, two.span.first, two.span.last, two.index);
    });
    std::transform(sorted.begin(), sorted.end(), m_order.begin(),
                   [](const Sorted& one) { return one.index; });
    for (std::size_t position = 0; position < m_order.size(); ++position) {
        const Span& span = m_spans[m_order[position]];
        m_position[m_order[position]] = position;
        m_universes.push_back(span.universe);
        m_firsts.push_back(span.first);
        m_lastsRising.push_back(span.last);
    }
    for (std::size_t from = 0; from < m_order.size();) {
        const std::size_t to = universeOf(m_order[from]).second;
        std::sort(m_lastsRising.begin() + std::ptrdiff_t(from),
                  m_lastsRising.begin() + std::ptrdiff_t(to));
        from = to;
    }
    while (m_leaves < m_order.size()) {
        m_leaves *= 2;
    }
    m_highestLast.assign(2 * m_leaves, INT_MIN);
    for (std::size_t position = 0; position < m_order.size(); ++position) {
        m_highestLast[m_leaves + position] = m_spans[m_order[position]].last;
    }
    for (std::size_t node = m_leaves - 1; node > 0; --node) {
        m_highestLast[node] = std::max(m_highestLast[2 * node], m_highestLast[2 * node + 1]);
    }
}

std::pair<std::size_t, std::size_t> OverlapIndex::universeOf(std::size_t i) const {
    const auto [from, to] =
        std::equal_range(m_universes.begin(), m_universes.end(), m_spans[i].universe);
    return {std::size_t(from - m_universes.begin()), std::size_t(to - m_universes.begin())};
}

std::size_t OverlapIndex::count(std::size_t i) const {
    const auto [from, to] = universeOf(i);
    const Span& span = m_spans[i];
    // Every span of the universe that starts by this one's end, but for those
    // that end before it starts (which all start before it ends), and itself.
    const auto firsts = m_firsts.begin();
    const auto lasts = m_lastsRising.begin();
    const auto startingBy =
        std::upper_bound(firsts + std::ptrdiff_t(from), firsts + std::ptrdiff_t(to), span.last) -
        (firsts + std::ptrdiff_t(from));
    const auto endingBefore =
        std::lower_bound(lasts + std::ptrdiff_t(from), lasts + std::ptrdiff_t(to), span.first) -
        (lasts + std::ptrdiff_t(from));
    return std::size_t(startingBy - endingBefore) - 1;
}

void OverlapIndex::forEach(std::size_t i, const std::function<bool(std::size_t)>& found) const {
    const auto [from, to] = universeOf(i);
    const std::size_t position = m_position[i];
    const Span& span = m_spans[i];
    // Those sorted before it start no later, so they overlap where they reach it.
    if (!reportEarlier(1, 0, m_leaves, from, position, span.first, found)) {
        return;
    }
    // Those sorted after it end no earlier, so they overlap where they start by its end.
    for (std::size_t later = position + 1; later < to && m_firsts[later] <= span.last; ++later) {
        if (!found(m_order[later])) {
            return;
        }
    }
}

bool OverlapIndex::reportEarlier(std::size_t node, std::size_t nodeFrom, std::size_t nodeTo,
                                 std::size_t from, std::size_t to, int lastAtLeast,
                                 const std::function<bool(std::size_t)>& found) const {
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

} // namespace brisolant
