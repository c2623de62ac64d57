#include "gdtffile.h"

#include "chartrefused.h"
#include "filetext.h"
#include "riglimits.h"
#include "wholenumber.h"
#include "xmlreader.h"
#include "ziparchive.h"

#include <QCoreApplication>

#include <algorithm>
#include <set>
#include <vector>

namespace brisolant {

// What description.xml tells of the modes and the geometry references.
struct GdtfFile::Description {
    struct Channel {
        std::optional<int> dmxBreak; // nothing for "Overwrite"
        int highestOffset = 0;
        QString geometry;
    };

    struct Mode {
        QString geometry;
        std::vector<Channel> channels;
    };

    // The GeometryReferences in one top-level geometry that repeat one other,
    // in sum: for each break, the largest DMXOffset any of them gives it and
    // how many give it at all; for each break that some reference lists last,
    // the largest DMXOffset listed last with it.
    struct References {
        int count = 0;
        std::map<int, std::pair<int, int>> offsets; // break: largest offset, references giving it
        std::map<int, int> lastOffsets;
    };

    QString maker;                 // the FixtureType's Manufacturer
    QString type;                  // and its Name
    std::map<QString, Mode> modes; // by name; of two with one name, the last
    // By the top-level geometry they are in and the one they repeat.
    std::map<std::pair<QString, QString>, References> references;
    std::map<QString, QString> topOf; // every geometry's top-level geometry
};

namespace {

using Channel = GdtfFile::Description::Channel;
using Mode = GdtfFile::Description::Mode;
using References = GdtfFile::Description::References;

class DescriptionReader {
public:
    explicit DescriptionReader(XmlReader& scan)
        : m_scan(scan) {}

    GdtfFile::Description read() {
        while (m_scan.next()) {
            if (m_scan.isStart()) {
                start(m_scan.name());
            } else if (m_scan.depth() < m_geometriesDepth) {
                m_geometriesDepth = 0;
            }
            if (!m_scan.isStart() && m_scan.depth() < m_referenceDepth) {
                endReference();
            }
        }
        return std::move(m_description);
    }

private:
    // Each part of the description the reader holds, counted as it comes.
    void count() {
        if (++m_parts > riglimits::kMostGdtfParts) {
            m_scan.refuse(QCoreApplication::translate(
                              "GdtfFile",
                              "more than %1 modes, channels, geometries and references; no "
                              "fixture type has that many.")
                              .arg(riglimits::kMostGdtfParts));
        }
    }

    // A whole number as the attribute has it, or nothing where it has none;
    // anything else is refused, naming the element and what is written.
    std::optional<int> number(QStringView attribute) const {
        if (!m_scan.hasAttribute(attribute)) {
            return std::nullopt;
        }
        const std::optional<int> number = readWholeNumber(m_scan.written(attribute));
        if (!number) {
            notANumber(attribute, m_scan.attribute(attribute));
        }
        return std::clamp(*number, -riglimits::kHighestSlot, riglimits::kHighestSlot);
    }

    [[noreturn]] void notANumber(QStringView attribute, const QString& text) const {
        m_scan.refuse(QCoreApplication::translate(
                          "GdtfFile", "the %1 of the <%2> at line %3 is \"%4\", not a number.")
                          .arg(attribute.toString(), m_scan.name().toString(),
                               QString::number(m_scan.line()), filetext::quoted(text)));
    }

    // The highest of "1,2"; 0 for "None" or none.
    int highestOffset() const {
        const std::string_view offsets = m_scan.written(u"Offset");
        if (offsets.empty() || offsets == "None") {
            return 0;
        }
        int highest = 0;
        for (std::size_t at = 0; at <= offsets.size();) {
            const std::size_t comma = std::min(offsets.find(',', at), offsets.size());
            const std::optional<int> slot = readWholeNumber(offsets.substr(at, comma - at));
            at = comma + 1;
            if (!slot) {
                notANumber(u"Offset", m_scan.attribute(u"Offset"));
            }
            highest = std::max(highest, std::clamp(*slot, 0, riglimits::kHighestSlot));
        }
        return highest;
    }

    // A channel's DMXBreak: a number, none for 1, or nothing for "Overwrite".
    std::optional<int> dmxBreak() const {
        if (m_scan.written(u"DMXBreak") == "Overwrite") {
            return std::nullopt;
        }
        return number(u"DMXBreak").value_or(1);
    }

    void start(QStringView name) {
        if (name == u"FixtureType" && m_scan.depth() == 2) {
            m_description.maker = m_scan.attribute(u"Manufacturer");
            m_description.type = m_scan.attribute(u"Name");
        } else if (name == u"Geometries") {
            m_geometriesDepth = m_scan.depth();
        } else if (m_geometriesDepth > 0) {
            geometry(name);
        } else if (name == u"DMXMode") {
            count();
            m_mode = &m_description.modes[m_scan.attribute(u"Name")];
            *m_mode = {m_scan.attribute(u"Geometry"), {}};
        } else if (name == u"DMXChannel" && m_scan.parent() == u"DMXChannels" &&
                   m_mode != nullptr) {
            count();
            const std::optional<int> channelBreak = dmxBreak();
            const int highest = highestOffset();
            m_mode->channels.push_back({channelBreak, highest, m_scan.attribute(u"Geometry")});
        }
    }

    // Everything in Geometries with a name is a geometry; a Break belongs to
    // the GeometryReference it is in.
    void geometry(QStringView name) {
        count();
        if (name == u"Break") {
            if (m_referenceDepth > 0) {
                m_breaks.emplace_back(number(u"DMXBreak").value_or(1),
                                      number(u"DMXOffset").value_or(1));
            }
            return;
        }
        const QString geometry = m_scan.attribute(u"Name");
        if (m_scan.depth() == m_geometriesDepth + 1) {
            m_top = geometry;
        }
        m_description.topOf.emplace(geometry, m_top);
        if (name == u"GeometryReference") {
            endReference();
            m_referenceDepth = m_scan.depth();
            m_referenced = m_scan.attribute(u"Geometry");
        }
    }

    // Adds the reference just read to the sum of its kind; one without
    // breaks repeats nothing.
    void endReference() {
        if (m_referenceDepth > 0 && !m_breaks.empty()) {
            References& sum = m_description.references[{m_top, m_referenced}];
            ++sum.count;
            std::set<int> given;
            for (const auto& [dmxBreak, offset] : m_breaks) {
                // The first Break of a number counts; most references have one.
                if (m_breaks.size() == 1 || given.insert(dmxBreak).second) {
                    auto& [largest, references] =
                        sum.offsets.try_emplace(dmxBreak, offset, 0).first->second;
                    largest = std::max(largest, offset);
                    ++references;
                }
            }
            const auto& [lastBreak, lastOffset] = m_breaks.back();
            const auto last = sum.lastOffsets.try_emplace(lastBreak, lastOffset).first;
            last->second = std::max(last->second, lastOffset);
        }
        m_referenceDepth = 0;
        m_breaks.clear();
    }

    XmlReader& m_scan;
    GdtfFile::Description m_description;
    std::int64_t m_parts = 0;
    Mode* m_mode = nullptr;    // the DMXMode last begun
    int m_geometriesDepth = 0; // of <Geometries>, while inside it
    QString m_top;
    int m_referenceDepth = 0; // of the GeometryReference open, or 0
    QString m_referenced;
    std::vector<std::pair<int, int>> m_breaks; // its DMXBreak and DMXOffset pairs
};

// The highest slot of a mode's channels in one top-level geometry, break by
// break, and of those that say Overwrite.
struct Slots {
    std::map<int, int> byBreak;
    int overwrite = 0;
};

// A mode's channels summed by top-level geometry, so that each reference is
// met once per geometry, not once per channel.
std::map<QString, Slots> slotsOf(const Mode& mode, const GdtfFile::Description& description) {
    std::map<QString, Slots> byTop;
    for (const Channel& channel : mode.channels) {
        if (channel.highestOffset == 0) {
            continue; // a virtual channel
        }
        const auto found = description.topOf.find(channel.geometry);
        Slots& slots = byTop[found == description.topOf.end() ? channel.geometry : found->second];
        int& highest = channel.dmxBreak ? slots.byBreak[*channel.dmxBreak] : slots.overwrite;
        highest = std::max(highest, channel.highestOffset);
    }
    return byTop;
}

// The channels of a mode, break by break: the highest slot of each.
std::map<int, int> footprintOf(const Mode& mode, const GdtfFile::Description& description) {
    std::map<int, int> footprint;
    const auto take = [&footprint](int dmxBreak, int slot) {
        footprint[dmxBreak] = std::max(footprint[dmxBreak], slot);
    };
    for (const auto& [top, slots] : slotsOf(mode, description)) {
        const auto repeated = description.references.find({mode.geometry, top});
        if (repeated == description.references.end()) {
            for (const auto& [dmxBreak, highest] : slots.byBreak) {
                take(dmxBreak, highest); // Overwrite means nothing without a reference
            }
            continue;
        }
        const References& references = repeated->second;
        for (const auto& [dmxBreak, highest] : slots.byBreak) {
            // A reference moves the channel by the DMXOffset of its break, or by
            // none (an offset of 1) when it gives that break none.
            int offset = 1;
            if (const auto given = references.offsets.find(dmxBreak);
                given != references.offsets.end()) {
                const auto& [largest, giving] = given->second;
                offset = giving < references.count ? std::max(largest, offset) : largest;
            }
            take(dmxBreak, highest + offset - 1);
        }
        if (slots.overwrite > 0) {
            for (const auto& [dmxBreak, offset] : references.lastOffsets) {
                take(dmxBreak, slots.overwrite + offset - 1);
            }
        }
    }
    return footprint;
}

} // namespace

GdtfFile::GdtfFile(const QByteArray& gdtf, const QString& where, riglimits::InflateBudget& budget,
                   const ReadControl* control) {
    const auto cannot = [&where](const ZipArchive::Error& error) {
        return ChartRefused(
            (where + QStringLiteral(": ") + QString::fromStdString(error.what())).toStdString());
    };
    try {
        ZipArchive archive(gdtf, budget, control);
        if (!archive.open(QStringLiteral("description.xml"))) {
            throw ChartRefused(
                (where + QStringLiteral(": ") +
                 QCoreApplication::translate("GdtfFile", "it holds no description.xml."))
                    .toStdString());
        }
        // Parsed as it inflates, never held whole.
        XmlReader scan(
            [&archive](char* buffer, qsizetype room) { return archive.read(buffer, room); },
            where + QStringLiteral(", description.xml"));
        m_description = std::make_unique<const Description>(DescriptionReader(scan).read());
    } catch (const ZipArchive::Error& error) {
        throw cannot(error);
    }
}

GdtfFile::~GdtfFile() = default;

QString GdtfFile::maker() const {
    return m_description->maker;
}

QString GdtfFile::type() const {
    return m_description->type;
}

std::optional<int> GdtfFile::channels(const QString& mode, int dmxBreak) {
    auto footprint = m_footprints.find(mode);
    if (footprint == m_footprints.end()) {
        const auto found = m_description->modes.find(mode);
        if (found == m_description->modes.end()) {
            return std::nullopt;
        }
        footprint = m_footprints.emplace(mode, footprintOf(found->second, *m_description)).first;
    }
    const auto count = footprint->second.find(dmxBreak);
    if (count == footprint->second.end()) {
        return std::nullopt;
    }
    return count->second;
}

} // namespace brisolant
