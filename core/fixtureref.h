#pragma once

#include <cstddef>
#include <string>

namespace brisolant {

// How the user knows a fixture, on the chart and in every message about it:
// by the number its source gives it and its name; with neither, by its place
// in the list. The words around these are the writers' (ChartMessages), so
// that they can be translated.
struct FixtureRef {
    // The source's own number for it (channel, FID, unit number); empty where
    // it has none. "None" and a 0 that every fixture of the list has are none.
    std::string number;
    std::string name;      // empty where the source gives none
    std::size_t place = 0; // in the list, from 1
    int line = 0;          // in the source file; 0 where there is no line to name
};

} // namespace brisolant
