#pragma once

#include <stdexcept>

namespace brisolant {

// A chart that cannot be made as asked. what() is one line for the user,
// naming the fixture (and for a patch list its line) and what was wrong.
class ChartRefused final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace brisolant
