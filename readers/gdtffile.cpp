#include "gdtffile.h"

#include "xmlscan.h"
#include "ziparchive.h"

#include <QStringList>

#include <algorithm>
#include <vector>

namespace brisolant {

namespace {

constexpr int kLargestSlot = 1'000'000;

struct Channel {
    QString dmxBreak; // a number, "Overwrite", or empty for 1
    int highestOffset = 0;
    QString geometry;
};

struct Mode {
    QString name;
    QString geometry;
    std::vector<Channel> channels;
};

struct Reference {
    QString within;                          // the top-level geometry it sits in
    QString referenced;                      // the top-level geometry it repeats
    std::vector<std::pair<int, int>> breaks; // DMXBreak and DMXOffset
};

// The highest of "1,2"; 0 for "None", nothing or anything that is no slot.
int highestOf(const QString& offsets) {
    int highest = 0;
    for (const QString& offset : offsets.split(u',')) {
        bool ok = false;
        const int slot = offset.trimmed().toInt(&ok);
        highest = ok ? std::max(highest, std::clamp(slot, 0, kLargestSlot)) : highest;
    }
    return highest;
}

int numberOr(const QString& text, int otherwise) {
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok ? std::clamp(number, -kLargestSlot, kLargestSlot) : otherwise;
}

// What description.xml tells of the modes and the geometry references.
struct Description {
    std::vector<Mode> modes;
    std::vector<Reference> references;
    std::map<QString, QString> topOf; // every geometry's top-level geometry
};

class DescriptionReader {
public:
    explicit DescriptionReader(XmlScan& scan)
        : m_scan(scan) {}

    Description read() {
        while (m_scan.next()) {
            if (m_scan.isStart()) {
                start(m_scan.name().toString());
            } else if (m_scan.depth() < m_geometriesDepth) {
                m_geometriesDepth = 0;
            }
        }
        return std::move(m_description);
    }

private:
    void start(const QString& name) {
        if (name == u"Geometries") {
            m_geometriesDepth = m_scan.depth();
        } else if (m_geometriesDepth > 0) {
            geometry(name);
        } else if (name == u"DMXMode") {
            m_description.modes.push_back(
                {m_scan.attribute(u"Name"), m_scan.attribute(u"Geometry"), {}});
        } else if (name == u"DMXChannel" && m_scan.parent() == u"DMXChannels" &&
                   !m_description.modes.empty()) {
            m_description.modes.back().channels.push_back({m_scan.attribute(u"DMXBreak"),
                                                           highestOf(m_scan.attribute(u"Offset")),
                                                           m_scan.attribute(u"Geometry")});
        }
    }

    // Everything in Geometries with a name is a geometry; a Break belongs to
    // the GeometryReference it is in.
    void geometry(const QString& name) {
        std::vector<Reference>& references = m_description.references;
        if (name == u"Break") {
            if (!references.empty()) {
                references.back().breaks.emplace_back(numberOr(m_scan.attribute(u"DMXBreak"), 1),
                                                      numberOr(m_scan.attribute(u"DMXOffset"), 1));
            }
            return;
        }
        const QString geometry = m_scan.attribute(u"Name");
        if (m_scan.depth() == m_geometriesDepth + 1) {
            m_top = geometry;
        }
        m_description.topOf.emplace(geometry, m_top);
        if (name == u"GeometryReference") {
            references.push_back({m_top, m_scan.attribute(u"Geometry"), {}});
        }
    }

    XmlScan& m_scan;
    Description m_description;
    int m_geometriesDepth = 0; // of <Geometries>, while inside it
    QString m_top;
};

// The channels of a mode, break by break: the highest slot of each.
std::map<int, int> footprintOf(const Mode& mode, const Description& description) {
    std::map<int, int> footprint;
    const auto take = [&footprint](int dmxBreak, int slot) {
        footprint[dmxBreak] = std::max(footprint[dmxBreak], slot);
    };
    for (const Channel& channel : mode.channels) {
        if (channel.highestOffset == 0) {
            continue; // a virtual channel
        }
        const auto found = description.topOf.find(channel.geometry);
        const QString& top = found == description.topOf.end() ? channel.geometry : found->second;
        const bool overwrite = channel.dmxBreak == u"Overwrite";
        const int dmxBreak = numberOr(channel.dmxBreak, 1);
        bool repeated = false;
        for (const Reference& reference : description.references) {
            if (reference.within != mode.geometry || reference.referenced != top ||
                reference.breaks.empty()) {
                continue;
            }
            repeated = true;
            // A reference moves the channel by the DMXOffset of its break.
            const auto own =
                std::find_if(reference.breaks.begin(), reference.breaks.end(),
                             [dmxBreak](const auto& entry) { return entry.first == dmxBreak; });
            const auto& [moveBreak, offset] =
                overwrite ? reference.breaks.back()
                          : (own == reference.breaks.end() ? std::pair{dmxBreak, 1} : *own);
            take(moveBreak, channel.highestOffset + offset - 1);
        }
        if (!repeated && !overwrite) {
            take(dmxBreak, channel.highestOffset);
        }
    }
    return footprint;
}

} // namespace

GdtfFile::GdtfFile(const QByteArray& gdtf, std::int64_t& budget, const QString& where) {
    ZipArchive archive(gdtf, budget);
    const std::optional<QByteArray> description = archive.read(QStringLiteral("description.xml"));
    if (!description) {
        throw ZipArchive::Error("it holds no description.xml");
    }
    XmlScan scan(*description, where + QStringLiteral(", description.xml"));
    const Description read = DescriptionReader(scan).read();
    for (const Mode& mode : read.modes) {
        m_footprints[mode.name] = footprintOf(mode, read);
    }
}

std::optional<int> GdtfFile::channels(const QString& mode, int dmxBreak) const {
    const auto found = m_footprints.find(mode);
    if (found == m_footprints.end()) {
        return std::nullopt;
    }
    const auto count = found->second.find(dmxBreak);
    if (count == found->second.end()) {
        return std::nullopt;
    }
    return count->second;
}

} // namespace brisolant
