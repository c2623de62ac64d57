#pragma once

#include "switchchart.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace brisolant {

// The order a chart's fixtures are printed in, on the chart and on labels:
// as the source lists them, or by universe and start address, as a
// technician walks a rig to set it.
class ChartOrder final {
public:
    enum class By : std::uint8_t { List, Address };

    // The rows' indexes by universe and start address; fixtures at one
    // address keep the list's order.
    [[nodiscard]] static std::vector<std::size_t>
    byAddress(const std::vector<SwitchChart::Row>& rows);

    // By::Address puts the rows in that order; By::List leaves them as listed.
    static void sort(std::vector<SwitchChart::Row>& rows, By by);
};

} // namespace brisolant
