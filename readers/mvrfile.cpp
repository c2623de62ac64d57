#include "mvrfile.h"

#include "chartrefused.h"
#include "dmxlimits.h"
#include "gdtffile.h"
#include "xmlscan.h"
#include "ziparchive.h"

#include <algorithm>
#include <map>
#include <memory>
#include <set>

namespace brisolant {

namespace {

constexpr int kHighestBreak = 1'000'000;

struct SceneFixture {
    SwitchChart::Fixture fixture; // its name and line
    QString fixtureId;
    QString unitNumber;
    QString gdtfSpec;
    QString mode;
    std::vector<std::pair<int, QString>> addresses; // break (from 0) and the address
};

// The channel counts of the fixture types, each GDTF file read once, and a
// note once per fixture type whose count could not be had.
class Footprints {
public:
    Footprints(ZipArchive* archive, std::int64_t& budget, Rig& rig)
        : m_archive(archive)
        , m_budget(budget)
        , m_rig(rig) {}

    [[nodiscard]] int channels(const QString& gdtfSpec, const QString& mode, int dmxBreak) {
        QString file = gdtfSpec;
        if (!file.endsWith(QStringLiteral(".gdtf"), Qt::CaseInsensitive)) {
            file += QStringLiteral(".gdtf"); // as some programs name it
        }
        auto found = m_files.find(file);
        if (found == m_files.end()) {
            found = m_files.emplace(file, load(gdtfSpec, file)).first;
        }
        const Loaded& loaded = found->second;
        if (!loaded.gdtf) {
            return makeDo(file, {}, loaded.problem); // once for all its modes
        }
        const std::optional<int> count = loaded.gdtf->channels(mode, dmxBreak);
        if (!count || *count > dmx::kLastChannel) {
            return makeDo(
                file, mode,
                QStringLiteral("the GDTF file \"%1\" has %2 in DMX break %3 of mode \"%4\"")
                    .arg(file, count ? QStringLiteral("more than 512 channels")
                                     : QStringLiteral("no channels"))
                    .arg(dmxBreak)
                    .arg(mode));
        }
        return *count;
    }

private:
    struct Loaded {
        std::shared_ptr<const GdtfFile> gdtf;
        QString problem;
    };

    Loaded load(const QString& gdtfSpec, const QString& file) {
        if (gdtfSpec.isEmpty()) {
            return {nullptr, QStringLiteral("a fixture names no GDTF file")};
        }
        const QString named = QStringLiteral("the GDTF file \"%1\" ").arg(file);
        if (m_archive == nullptr) {
            return {nullptr, named + QStringLiteral("is not there, with the scene alone")};
        }
        try {
            const std::optional<QByteArray> bytes = m_archive->read(file);
            if (!bytes) {
                return {nullptr, named + QStringLiteral("is not in the MVR file")};
            }
            return {std::make_shared<const GdtfFile>(*bytes, m_budget, file), {}};
        } catch (const ZipArchive::Error& error) {
            return {nullptr, named + QStringLiteral("cannot be read: ") +
                                 QString::fromStdString(error.what())};
        } catch (const ChartRefused& refused) {
            return {nullptr, named + QStringLiteral("cannot be read: ") +
                                 QString::fromStdString(refused.what())};
        }
    }

    int makeDo(const QString& file, const QString& mode, const QString& problem) {
        if (m_told.emplace(file, mode).second) {
            m_rig.notes.push_back(
                (QStringLiteral("note: ") + problem +
                 QStringLiteral("; its fixtures are charted with 1 channel a break."))
                    .toStdString());
        }
        return 1;
    }

    ZipArchive* m_archive;
    std::int64_t& m_budget;
    Rig& m_rig;
    std::map<QString, Loaded> m_files;
    std::set<std::pair<QString, QString>> m_told;
};

// Every Fixture element of the scene in the order the file lists them, with
// what of its own children a chart needs.
class SceneReader {
public:
    explicit SceneReader(XmlScan& scan)
        : m_scan(scan) {}

    std::vector<SceneFixture> read() {
        while (m_scan.next()) {
            if (m_scan.isStart()) {
                start(m_scan.name().toString());
            } else if (!m_open.empty() && m_scan.depth() < m_open.back().first) {
                m_open.pop_back();
            }
        }
        return std::move(m_fixtures);
    }

private:
    void start(const QString& name) {
        if (m_scan.depth() == 1 && name != u"GeneralSceneDescription") {
            m_scan.refuse(QStringLiteral("its root element is <%1>, not <GeneralSceneDescription>.")
                              .arg(name));
        }
        if (name == u"Fixture") {
            SceneFixture fixture;
            fixture.fixture.name = m_scan.attribute(u"name").toStdString();
            fixture.fixture.line = m_scan.line();
            m_fixtures.push_back(std::move(fixture));
            m_open.emplace_back(m_scan.depth(), m_fixtures.size() - 1);
        } else if (!m_open.empty()) {
            child(name, m_scan.depth() - m_open.back().first);
        }
    }

    // An element below the innermost open fixture, by how far below it.
    void child(const QString& name, int below) {
        SceneFixture& fixture = m_fixtures[m_open.back().second];
        QString* field = nullptr;
        if (below == 1) {
            field = name == u"GDTFSpec"     ? &fixture.gdtfSpec
                    : name == u"GDTFMode"   ? &fixture.mode
                    : name == u"FixtureID"  ? &fixture.fixtureId
                    : name == u"UnitNumber" ? &fixture.unitNumber
                                            : nullptr;
        }
        if (field != nullptr) {
            *field = m_scan.text();
        } else if (below == 2 && name == u"Address" && m_scan.parent() == u"Addresses") {
            const int dmxBreak = std::clamp(m_scan.attribute(u"break").toInt(), 0, kHighestBreak);
            fixture.addresses.emplace_back(dmxBreak, m_scan.text());
        }
    }

    XmlScan& m_scan;
    std::vector<SceneFixture> m_fixtures;
    std::vector<std::pair<int, std::size_t>> m_open; // depth and index of each open Fixture
};

} // namespace

Rig MvrFile::read(const QByteArray& bytes, const QString& fileName) {
    const auto refuse = [&fileName](const QString& what) {
        throw ChartRefused((fileName + QStringLiteral(": ") + what).toStdString());
    };
    std::int64_t budget = ZipArchive::kLargestInAll;
    std::unique_ptr<ZipArchive> archive;
    std::optional<QByteArray> scene;
    try {
        archive = std::make_unique<ZipArchive>(bytes, budget);
    } catch (const ZipArchive::Error& error) {
        refuse(QStringLiteral("not a zip archive, or one cut short or damaged (%1).")
                   .arg(QString::fromStdString(error.what())));
    }
    try {
        scene = archive->read(QStringLiteral("GeneralSceneDescription.xml"));
    } catch (const ZipArchive::Error& error) {
        refuse(QStringLiteral("GeneralSceneDescription.xml cannot be read: %1.")
                   .arg(QString::fromStdString(error.what())));
    }
    if (!scene) {
        refuse(QStringLiteral("no GeneralSceneDescription.xml in it, so it is no MVR file."));
    }
    return readScene(*scene, fileName + QStringLiteral(", GeneralSceneDescription.xml"),
                     archive.get(), budget);
}

Rig MvrFile::readScene(const QByteArray& scene, const QString& where, ZipArchive* archive,
                       std::int64_t& budget) {
    XmlScan scan(scene, where);
    const std::vector<SceneFixture> fixtures = SceneReader(scan).read();
    Rig rig;
    Footprints footprints(archive, budget, rig);
    for (const SceneFixture& scened : fixtures) {
        SwitchChart::Fixture fixture = scened.fixture;
        fixture.number =
            (scened.fixtureId.isEmpty() ? scened.unitNumber : scened.fixtureId).toStdString();
        std::vector<Rig::Break> breaks;
        for (const auto& [dmxBreak, text] : scened.addresses) {
            const std::optional<PatchAddress> patch = PatchAddress::read(text.toStdString());
            if (!patch || patch->last) {
                throw ChartRefused(
                    SwitchChart::refusalName(fixture, rig.fixtures.size() + 1) + ": address \"" +
                    text.left(40).toStdString() +
                    "\" is neither a DMX address counting across universes nor Universe.Address.");
            }
            if (patch->address != 0) {
                breaks.push_back({dmxBreak + 1, *patch,
                                  footprints.channels(scened.gdtfSpec, scened.mode, dmxBreak + 1),
                                  text.toStdString()});
            }
        }
        rig.addBreaks(fixture, breaks);
    }
    return rig;
}

} // namespace brisolant
