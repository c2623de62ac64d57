// Writes the shapes of rig file that cost a reader more than their size if it
// is not linear, each at a size n and at 8n, for scripts/bench-readers.sh:
//   makeshapes DIRECTORY
// with a size in MB after it, one large patch list alone (big.csv):
//   makeshapes DIRECTORY MB
// and the files whose reading costs memory before a limit is met:
//   makeshapes DIRECTORY memory
#include "testzip.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

namespace {

std::string repeated(const std::string& text, int times) {
    std::string all;
    all.reserve(text.size() * static_cast<std::size_t>(times));
    for (int i = 0; i < times; ++i) {
        all += text;
    }
    return all;
}

// A console's whole-show export: cue and level sections of many lines before
// its short channel section.
std::string showExport(int lines) {
    std::string text = "START_TARGETS\nTARGET_TYPE,TARGET_ID,LABEL,TIME\n";
    for (int i = 0; i < lines; ++i) {
        text += "Cue," + std::to_string(i + 1) + ",\"Scene " + std::to_string(i) + ", fade\",5\n";
    }
    text += "END_TARGETS\nSTART_CHANNELS\nCHANNEL,LABEL,ADDRESS\n";
    for (int i = 0; i < 50; ++i) {
        text += std::to_string(i + 1) + ",Spot," + std::to_string(i + 1) + "\n";
    }
    return text + "END_CHANNELS\n";
}

// A ganged dimmer list: every fixture at address 1.
std::string oneAddress(int fixtures) {
    return "Name,DMX\n" + repeated("Dimmer,1\n", fixtures);
}

// Rows of as many fields as a row may have.
std::string wideRows(int rows) {
    return "DMX" + repeated(",x", 999) + "\n" + repeated("1" + repeated(",x", 999) + "\n", rows);
}

// One field of doubled quotes after a blank and a word.
std::string doubledQuotes(int quotes) {
    return "DMX,Name\n1, x" + std::string(static_cast<std::size_t>(quotes), '"') + "\n";
}

// An MVR whose one fixture type has one mode of many channels on a cell that
// as many geometry references repeat.
std::string references(int count) {
    std::string references;
    std::string channels;
    for (int i = 1; i <= count; ++i) {
        const std::string n = std::to_string(i);
        references.append(R"(<GeometryReference Name="Cell )").append(n);
        references.append(R"(" Geometry="Cell"><Break DMXBreak="1" DMXOffset=")").append(n);
        references.append(R"("/></GeometryReference>)");
        channels.append(R"(<DMXChannel DMXBreak="1" Offset=")").append(n);
        channels.append(R"(" Geometry="Cell"/>)");
    }
    std::string description = R"(<GDTF DataVersion="1.2"><FixtureType Name="Bar"><Geometries>)"
                              R"(<Geometry Name="Cell"/><Geometry Name="Bar">)";
    description.append(references);
    description.append(
        R"(</Geometry></Geometries><DMXModes><DMXMode Name="Cells" Geometry="Bar">)");
    description.append("<DMXChannels>").append(channels);
    description.append("</DMXChannels></DMXMode></DMXModes></FixtureType></GDTF>\n");
    const std::string scene =
        R"(<GeneralSceneDescription verMajor="1" verMinor="6"><Scene><Layers><Layer name="Rig">)"
        R"(<ChildList><Fixture name="Bar" uuid="0"><GDTFSpec>Bar.gdtf</GDTFSpec><GDTFMode>Cells)"
        R"(</GDTFMode><Addresses><Address>1</Address></Addresses></Fixture></ChildList></Layer>)"
        "</Layers></Scene></GeneralSceneDescription>\n";
    return testzip::zipOf({{"GeneralSceneDescription.xml", scene},
                           {"Bar.gdtf", testzip::zipOf({{"description.xml", description}}), true}});
}

// A grandMA3 fixture of so many attributes.
std::string fixtureOf(int attributes) {
    std::string fixture = R"(<Fixture Name="A" Patch="1.1")";
    for (int i = 2; i < attributes; ++i) {
        fixture.append(" a").append(std::to_string(i)).append(R"(="1")");
    }
    return fixture + "/>\n";
}

std::string attributes(int count) {
    return "<GMA3><Fixtures>" + fixtureOf(count) + "</Fixtures></GMA3>\n";
}

// Many elements, each with as many attributes as an element may have.
std::string fullElements(int elements) {
    return "<GMA3><Fixtures>" + repeated(fixtureOf(256), elements) + "</Fixtures></GMA3>\n";
}

// Fixtures named in a namespace of their own, among many declared: a reader
// that looks a prefix up among all declarations in scope is quadratic. Its
// 8,000 fixtures at 8n (half a megabyte) are about as many as the other
// shapes hold; at 72,000 it timed charting them, and expat hashing their
// names, more than the lookups.
std::string namespaces(int fixtures) {
    std::string xml = "<GMA3";
    for (int i = 0; i < 250; ++i) {
        xml.append(" xmlns:p").append(std::to_string(i)).append("=\"urn:p");
        xml.append(std::to_string(i)).append("\"");
    }
    xml.append("><p249:Fixtures>\n");
    for (int i = 0; i < fixtures; ++i) {
        xml.append(R"(<p249:Fixture p249:a="1" Name="A" Patch=")");
        xml.append(std::to_string(i / 511 + 1)).append(".").append(std::to_string(i % 511 + 1));
        xml.append(R"("><p0:b/></p249:Fixture>)").append("\n");
    }
    return xml + "</p249:Fixtures></GMA3>\n";
}

// One grandMA2 fixture of so many addresses (4,000,000: 80 MB).
std::string manyAddresses(int addresses) {
    return R"(<MA xmlns="http://schemas.malighting.de/grandma2/xml/MA"><Layers><Layer>)"
           R"(<Fixture name="A" fixture_id="1"><SubFixture><Patch>)" +
           repeated("<Address>1</Address>", addresses) +
           "</Patch></SubFixture></Fixture></Layer></Layers></MA>\n";
}

// A grandMA3 export of megabytes, its fixtures with their channels, each
// fixture about 1.7 KB, fewer than a rig may hold.
void writeLargeExport(const std::string& path, int megabytes) {
    std::ofstream out(path, std::ios::binary);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<GMA3 DataVersion=\"2.1.1.5\">"
           "<Fixtures>\n";
    const std::string channels = repeated(
        "  <Channel Attribute=\"Dimmer\" Coarse=\"1\" Fine=\"None\" Default=\"0\"/>\n", 28);
    std::size_t written = 0;
    for (int i = 0; written < static_cast<std::size_t>(megabytes) << 20; ++i) {
        const std::string number = std::to_string(i + 1);
        std::string fixture = R"(<Fixture Name="Spot )";
        fixture.append(number).append(R"(" FID=")").append(number);
        fixture.append(R"(" FixtureType="Spot 700" Patch=")").append(std::to_string(i / 511 + 1));
        fixture.append(".").append(std::to_string(i % 511 + 1)).append("\">\n");
        fixture.append(channels).append("</Fixture>\n");
        out << fixture;
        written += fixture.size();
    }
    out << "</Fixtures></GMA3>\n";
}

// An MVR whose zip lists so many entries, the scene first, empty files after.
void writeManyEntries(const std::string& path, int entries) {
    testzip::Memory memory;
    zlib_filefunc64_def functions{testzip::Memory::open,  nullptr,
                                  testzip::Memory::write, testzip::Memory::tell,
                                  testzip::Memory::seek,  testzip::Memory::close,
                                  testzip::Memory::close, &memory};
    zipFile zip = zipOpen2_64("", APPEND_STATUS_CREATE, nullptr, &functions);
    const std::string scene = "<GeneralSceneDescription><Scene><Layers><Layer><ChildList><Fixture "
                              "name=\"A\"><Addresses><Address>1</Address></Addresses></Fixture>"
                              "</ChildList></Layer></Layers></Scene></GeneralSceneDescription>\n";
    for (int i = 0; i < entries; ++i) {
        const std::string name =
            i == 0 ? "GeneralSceneDescription.xml" : "model " + std::to_string(i) + ".glb";
        const zip_fileinfo info{};
        zipOpenNewFileInZip64(zip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, 0, 0, 1);
        if (i == 0) {
            zipWriteInFileInZip(zip, scene.data(), static_cast<unsigned>(scene.size()));
        }
        zipCloseFileInZip(zip);
    }
    zipClose(zip, nullptr);
    std::ofstream(path, std::ios::binary) << memory.bytes;
}

// A patch list of megabytes of fixtures each on a channel of its own, with
// a long notes column, charted whole.
std::string big(int megabytes) {
    std::string text = "Universe,Address,Name,Notes\n";
    const std::string notes(960, 'n');
    for (int i = 0; text.size() < static_cast<std::size_t>(megabytes) << 20; ++i) {
        text += std::to_string(i / 511 + 1) + "," + std::to_string(i % 511 + 1) + ",Spot " +
                std::to_string(i) + "," + notes + "\n";
    }
    return text;
}

void write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: makeshapes DIRECTORY [MB]\n");
        return 2;
    }
    const std::string directory = argv[1];
    if (argc == 3 && std::string_view(argv[2]) == "memory") {
        write(directory + "/ma2-addresses.xml", manyAddresses(4'000'000));
        writeLargeExport(directory + "/gma3-150mb.xml", 150);
        writeManyEntries(directory + "/mvr-entries.mvr", 2'000'000);
        return 0;
    }
    if (argc == 3) {
        write(directory + "/big.csv", big(std::atoi(argv[2])));
        return 0;
    }
    struct Shape {
        const char* name;
        std::string (*make)(int);
        int n;
    };
    const Shape shapes[] = {
        {"show-export.csv", showExport, 4000},    {"one-address.csv", oneAddress, 2000},
        {"wide-rows.csv", wideRows, 100},         {"doubled-quotes.csv", doubledQuotes, 25000},
        {"references.mvr", references, 500},      {"attributes.xml", attributes, 10000},
        {"full-elements.xml", fullElements, 100}, {"namespaces.xml", namespaces, 1000},
    };
    for (const Shape& shape : shapes) {
        write(directory + "/n-" + shape.name, shape.make(shape.n));
        write(directory + "/8n-" + shape.name, shape.make(8 * shape.n));
    }
    return 0;
}
