#pragma once

#include "patchaddress.h"
#include "switchchart.h"

#include <QString>

#include <string>
#include <string_view>
#include <vector>

namespace brisolant {

// The fixtures of a rig as a reader of some program's file hands them on, and
// what the reader has to tell about the file besides.
struct Rig {
    // One DMX break of a fixture (from 1), where the file patches it.
    struct Break {
        int number = 1;
        PatchAddress address;
        int channels = 1;
        std::string written; // the address as the file has it
    };

    std::vector<SwitchChart::Fixture> fixtures;
    // One line each, said before the chart: what the chart had to do without.
    std::vector<std::string> notes;

    // Adds the fixture. Throws ChartRefused, naming the file, when the rig
    // would hold more than riglimits::kMostFixtures.
    void add(SwitchChart::Fixture fixture, std::string_view fileName);

    // The fixture once per patched break, named with its break where it has
    // several, or once as not patched where it has none; held to the same
    // limit as add().
    void addBreaks(SwitchChart::Fixture&& fixture, const std::vector<Break>& breaks,
                   std::string_view fileName);

    // Throws the refusal of add() when count fixtures are more than a rig may hold.
    static void checkCount(std::size_t count, std::string_view fileName);
    // Throws the refusal of add() when the rig has no room for more fixtures,
    // as a reader holding them before they are added asks before each.
    void checkRoom(std::size_t more, std::string_view fileName) const;

    // Throws ChartRefused for what is plainly wrong with the place'th fixture
    // of the file: why, translated, follows the fixture as the user knows it
    // (ChartMessage::Kind::FixtureRefused), worded in the user's language.
    [[noreturn]] static void refuse(const SwitchChart::Fixture& fixture, std::size_t place,
                                    const QString& why);

    // The name of one part of a fixture: "Cyc (break 2)", or "break 2" unnamed.
    [[nodiscard]] static std::string partName(const std::string& name, std::string_view part,
                                              std::size_t number);
};

} // namespace brisolant
