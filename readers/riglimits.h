#pragma once

#include <cstddef>
#include <cstdint>

// How much of a file from a stranger Brisolant reads before it refuses it.
// Each limit lies well above what real show files and exports hold, so that
// no real file meets one, and low enough that reading up to it takes a
// moment and memory in proportion to the file. A file past a limit is
// refused in one line that names the file and the limit.
namespace brisolant::riglimits {

// Any rig file. A real whole-show export is about 1 MB; an MVR with the 3D
// models of all its fixture types a few hundred MB.
inline constexpr std::int64_t kLargestFile = std::int64_t{1} << 30;

// A record (row) of a patch list, in characters and in fields. The widest
// real exports have about 150 columns and rows of a few hundred characters;
// a notes column may add a few thousand.
inline constexpr std::int64_t kLongestRecord = std::int64_t{1} << 20;
inline constexpr std::int64_t kMostFields = 1000;

// An XML element's attributes. The richest elements of real show files carry
// a few dozen; an element's attributes are held, and checked for one given
// twice, until the element has been read, so this bounds that room and work.
inline constexpr std::int64_t kMostAttributes = 256;
// An element's or attribute's name, in characters: real ones are words.
inline constexpr std::int64_t kLongestXmlName = 1000;
// An attribute's value or an element's text, in characters: names, numbers
// and notes, at most a few thousand in a real file.
inline constexpr std::int64_t kLongestXmlText = std::int64_t{1} << 20;
// Elements nested in one another: real show files nest a few dozen at most.
inline constexpr std::int64_t kDeepestXml = 100;

// Fixtures (parts of fixtures and DMX breaks counted apart) in one rig. A
// switch chart of that many runs to some 8,000 pages; the largest rigs with
// address switches hold a few thousand.
inline constexpr std::size_t kMostFixtures = 100'000;

// What a zip (MVR, GDTF) may inflate to: an entry, and all entries read for
// one file, counted as they inflate. The largest entries Brisolant reads, GDTF
// files with their 3D models inside an MVR, take a few MB each.
inline constexpr std::int64_t kLargestZipEntry = std::int64_t{64} << 20;
inline constexpr std::int64_t kMostInflated = std::int64_t{1} << 30;
// The entries a zip lists, each held by name while it is read: real MVR and
// GDTF files list a few hundred (a GDTF file for each fixture type, their 3D
// models and pictures).
inline constexpr std::int64_t kMostZipEntries = 10'000;

// What a GDTF fixture type's description may hold: its modes, their DMX
// channels, its geometries and the geometry references and breaks in them,
// counted together. The richest real fixture types, pixel bars and panels of
// a few hundred cells in several modes, hold some thousands.
inline constexpr std::int64_t kMostGdtfParts = 100'000;
// The highest DMX break of a fixture and the highest slot of a channel that
// are taken as written; above them a fixture runs past any universe anyway.
inline constexpr int kHighestBreak = 1'000'000;
inline constexpr int kHighestSlot = 1'000'000;

// What the zips read for one file may inflate to, and what is left of it.
struct InflateBudget {
    std::int64_t total = kMostInflated;
    std::int64_t left = kMostInflated;
};

} // namespace brisolant::riglimits
