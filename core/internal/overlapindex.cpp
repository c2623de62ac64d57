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
        m_firsts.push_back(span.first);
        m_lastsRising.push_back(span.last);
    }
    // Each universe's positions, found once here rather than searched for
    // every span a chart asks about.
    m_universeOf.resize(m_order.size());
    for (std::size_t from = 0; from < m_order.size();) {
        const int universe = sorted[from].span.universe;
        std::size_t to = from + 1;
        while (to < m_order.size() && sorted[to].span.universe == universe) {
            ++to;
        }
        std::fill(m_universeOf.begin() + std::ptrdiff_t(from),
                  m_universeOf.begin() + std::ptrdiff_t(to), std::pair(from, to));
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

} // namespace brisolant
