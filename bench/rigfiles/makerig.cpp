// Writes one rig twice, as a patch list (rig.csv) and as an MVR show file with
// a GDTF file per fixture type (rig.mvr), for the chart benchmarks:
//   makerig FIXTURES TYPES DIRECTORY
// Fixture i is of type i % TYPES, which takes 2 + 2 * type channels; the
// fixtures are patched one after another, each that would run past 512 at
// address 1 of the next universe, as a console patches a range.
#include "testzip.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Appends the pieces to text.
void add(std::string& text, std::initializer_list<std::string_view> pieces) {
    for (const std::string_view piece : pieces) {
        text.append(piece);
    }
}

std::string gdtfOf(int type, int channels) {
    std::string xml;
    add(xml, {R"(<?xml version="1.0" encoding="UTF-8" standalone="no"?>)", "\n",
              R"(<GDTF DataVersion="1.2"><FixtureType Name="Type )", std::to_string(type),
              R"(" Manufacturer="Bench" FixtureTypeID="0">)", "\n",
              R"(<Geometries><Geometry Name="Body"><Beam Name="Beam"/></Geometry></Geometries>)",
              "\n", R"(<DMXModes><DMXMode Name="Mode" Geometry="Body"><DMXChannels>)", "\n"});
    for (int slot = 1; slot <= channels; ++slot) {
        add(xml, {R"(  <DMXChannel DMXBreak="1" Offset=")", std::to_string(slot),
                  R"(" Geometry="Beam" InitialFunction="Beam_Dimmer.Dimmer.Dimmer">)", "\n",
                  R"(    <LogicalChannel Attribute="Dimmer">)", "\n",
                  R"(      <ChannelFunction Name="Dimmer" DMXFrom="0/1" Default="0/1"/>)", "\n",
                  "    </LogicalChannel>\n  </DMXChannel>\n"});
    }
    add(xml, {"</DMXChannels></DMXMode></DMXModes></FixtureType></GDTF>\n"});
    return testzip::zipOf({{"description.xml", xml}});
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: makerig FIXTURES TYPES DIRECTORY\n");
        return 2;
    }
    const int fixtures = std::atoi(argv[1]);
    const int types = std::max(1, std::atoi(argv[2]));
    const std::string directory = argv[3];

    std::string csv = "Name,FID,Universe,Address,Channels,Type\n";
    std::string scene;
    add(scene, {R"(<?xml version="1.0" encoding="UTF-8" standalone="no" ?>)", "\n",
                R"(<GeneralSceneDescription verMajor="1" verMinor="6"><Scene><Layers>)", "\n",
                R"(<Layer name="Rig" uuid="0"><ChildList>)", "\n"});
    int universe = 1;
    int address = 1;
    for (int i = 0; i < fixtures; ++i) {
        const int type = i % types;
        const int channels = 2 + 2 * type;
        if (address + channels - 1 > 512) {
            ++universe;
            address = 1;
        }
        const std::string id = std::to_string(i + 1);
        std::string name = "Bench Type ";
        add(name, {std::to_string(type), " #", id});
        add(csv, {name, ",", id, ",", std::to_string(universe), ",", std::to_string(address), ",",
                  std::to_string(channels), ",Type ", std::to_string(type), "\n"});
        add(scene, {R"(  <Fixture name=")", name, R"(" uuid=")", id, "\">\n",
                    "    <Matrix>{1,0,0}{0,1,0}{0,0,1}{0,0,6000}</Matrix>\n",
                    "    <GDTFSpec>Bench@Type ", std::to_string(type), ".gdtf</GDTFSpec>\n",
                    "    <GDTFMode>Mode</GDTFMode>\n", R"(    <Addresses><Address break="0">)",
                    std::to_string((universe - 1) * 512 + address), "</Address></Addresses>\n",
                    "    <FixtureID>", id, "</FixtureID><UnitNumber>", id, "</UnitNumber>\n",
                    "  </Fixture>\n"});
        address += channels;
    }
    add(scene, {"</ChildList></Layer></Layers></Scene></GeneralSceneDescription>\n"});
    // GDTF files go in stored, as plot programs write them.
    std::vector<testzip::Entry> entries = {{"GeneralSceneDescription.xml", scene}};
    for (int type = 0; type < types; ++type) {
        entries.push_back(
            {"Bench@Type " + std::to_string(type) + ".gdtf", gdtfOf(type, 2 + 2 * type), true});
    }
    std::ofstream(directory + "/rig.csv", std::ios::binary) << csv;
    std::ofstream(directory + "/rig.mvr", std::ios::binary) << testzip::zipOf(entries);
    std::printf("%d fixtures of %d types in %d universes\n", fixtures, types, universe);
    return 0;
}
