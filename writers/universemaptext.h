#pragma once

#include "switchchart.h"

#include <QByteArray>

namespace brisolant {

// The universe maps (UniverseMap) as UTF-8 lines for scripts, the same in
// every language: per universe the lines of its spans, shared channels and
// free blocks by first channel, then its totals. Fields are separated by one
// blank; a fixture's name, which may hold blanks, comes last:
//   2 span 1-16 16 101 Spot left
//   2 span 10-10 1 Dimmer 4
//   2 shared 10-10 1
//   2 free 17-512 496
//   2 total used 16 free 496 largest 496
class UniverseMapText final {
public:
    [[nodiscard]] static QByteArray render(const SwitchChart::Chart& chart);
};

} // namespace brisolant
