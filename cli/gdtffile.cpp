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

} // namespace

GdtfFile::GdtfFile(const QByteArray& gdtf, std::int64_t& budget, const QString& where) {
    ZipArchive archive(gdtf, budget);
    const std::optional<QByteArray> description = archive.read(QStringLiteral("description.xml"));
    if (!description) {
        throw ZipArchive::Error("it holds no description.xml");
    }
    XmlScan scan(*description, where + QStringLiteral(", description.xml"));

    std::vector<Mode> modes;
    std::vector<Reference> references;
    std::map<QString, QString> topOf; // every geometry's top-level geometry
    std::vector<QString> path;        // the elements open, outermost first
    int geometriesDepth = 0;          // of <Geometries>, while inside it
    QString top;
    while (scan.next()) {
        if (!scan.isStart()) {
            path.pop_back();
            geometriesDepth = scan.depth() < geometriesDepth ? 0 : geometriesDepth;
            continue;
        }
        const QString name = scan.name().toString();
        const QString parent = path.empty() ? QString() : path.back();
        path.push_back(name);
        if (name == u"Geometries") {
            geometriesDepth = scan.depth();
        } else if (geometriesDepth > 0 && name == u"Break" && !references.empty()) {
            references.back().breaks.emplace_back(numberOr(scan.attribute(u"DMXBreak"), 1),
                                                  numberOr(scan.attribute(u"DMXOffset"), 1));
        } else if (geometriesDepth > 0 && name != u"Break") {
            const QString geometry = scan.attribute(u"Name");
            top = scan.depth() == geometriesDepth + 1 ? geometry : top;
            topOf.emplace(geometry, top);
            if (name == u"GeometryReference") {
                references.push_back({top, scan.attribute(u"Geometry"), {}});
            }
        } else if (name == u"DMXMode") {
            modes.push_back({scan.attribute(u"Name"), scan.attribute(u"Geometry"), {}});
        } else if (name == u"DMXChannel" && parent == u"DMXChannels" && !modes.empty()) {
            modes.back().channels.push_back({scan.attribute(u"DMXBreak"),
                                             highestOf(scan.attribute(u"Offset")),
                                             scan.attribute(u"Geometry")});
        }
    }

    for (const Mode& mode : modes) {
        std::map<int, int>& footprint = m_footprints[mode.name];
        const auto take = [&footprint](int dmxBreak, int slot) {
            footprint[dmxBreak] = std::max(footprint[dmxBreak], slot);
        };
        for (const Channel& channel : mode.channels) {
            if (channel.highestOffset == 0) {
                continue; // a virtual channel
            }
            const auto found = topOf.find(channel.geometry);
            const QString& geometryTop = found == topOf.end() ? channel.geometry : found->second;
            const bool overwrite = channel.dmxBreak == u"Overwrite";
            const int dmxBreak = numberOr(channel.dmxBreak, 1);
            bool repeated = false;
            for (const Reference& reference : references) {
                if (reference.within != mode.geometry || reference.referenced != geometryTop) {
                    continue;
                }
                repeated = true;
                const auto own =
                    std::find_if(reference.breaks.begin(), reference.breaks.end(),
                                 [dmxBreak](const auto& entry) { return entry.first == dmxBreak; });
                if (overwrite && !reference.breaks.empty()) {
                    take(reference.breaks.back().first,
                         channel.highestOffset + reference.breaks.back().second - 1);
                } else if (!overwrite) {
                    take(dmxBreak, channel.highestOffset +
                                       (own == reference.breaks.end() ? 0 : own->second - 1));
                }
            }
            if (!repeated && !overwrite) {
                take(dmxBreak, channel.highestOffset);
            }
        }
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
