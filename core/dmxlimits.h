#pragma once

namespace brisolant::dmx {

// Where a fixture can sit on the DMX wire: the one set of limits that the
// command line and every reader of other programs' files are held to.

// Channels of a universe count from 1 to 512.
inline constexpr int kFirstChannel = 1;
inline constexpr int kLastChannel = 512;

// Universes count from 1; 63,999 is the highest that sACN carries, and no
// console patches beyond it.
inline constexpr int kFirstUniverse = 1;
inline constexpr int kLastUniverse = 63'999;

} // namespace brisolant::dmx
