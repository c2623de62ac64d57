#include "chartorder.h"

#include <algorithm>
#include <numeric>

namespace brisolant {

std::vector<std::size_t> ChartOrder::byAddress(const std::vector<SwitchChart::Row>& rows) {
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&rows](std::size_t a, std::size_t b) {
        return std::pair(rows[a].universe, rows[a].startAddress) <
               std::pair(rows[b].universe, rows[b].startAddress);
    });
    return order;
}

void ChartOrder::sort(std::vector<SwitchChart::Row>& rows, By by) {
    if (by == By::List) {
        return;
    }
    std::vector<SwitchChart::Row> sorted;
    sorted.reserve(rows.size());
    for (const std::size_t index : byAddress(rows)) {
        sorted.push_back(std::move(rows[index]));
    }
    rows = std::move(sorted);
}

} // namespace brisolant
