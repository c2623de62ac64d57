#include "mvrfile.h"

#include "chartrefused.h"
#include "dmxlimits.h"
#include "filetext.h"
#include "gdtffile.h"
#include "xmlscan.h"
#include "ziparchive.h"

#include <QCoreApplication>

#include <algorithm>
#include <map>
#include <memory>
#include <set>

namespace brisolant {

namespace {

constexpr int kHighestBreak = 1'000'000;

struct SceneFixture {
    SwitchChart::Fixture fixture; // its name
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
    Footprints(ZipArchive* archive, riglimits::InflateBudget& budget, Rig& rig)
        : m_archive(archive)
        , m_budget(budget)
        , m_rig(rig) {}

    [[nodiscard]] int channels(const QString& gdtfSpec, const QString& mode, int dmxBreak) {
        const QString file = fileOf(gdtfSpec);
        const Loaded& loaded = loadedOf(gdtfSpec);
        if (!loaded.gdtf) {
            return makeDo(file, {}, loaded.problem); // once for all its modes
        }
        const std::optional<int> count = loaded.gdtf->channels(mode, dmxBreak);
        if (!count || *count > dmx::kLastChannel) {
            return makeDo(
                file, mode,
                (count ? QCoreApplication::translate(
                             "MvrFile", "the GDTF file \"%1\" has more than 512 channels in "
                                        "DMX break %2 of mode \"%3\"")
                       : QCoreApplication::translate(
                             "MvrFile", "the GDTF file \"%1\" has no channels in DMX break %2 "
                                        "of mode \"%3\""))
                    .arg(filetext::quoted(file, 100), QString::number(dmxBreak),
                         filetext::quoted(mode, 100)));
        }
        return *count;
    }

    // The fixture type's maker and type: its GDTF file's, or where the file
    // says none or cannot be read, what the GDTFSpec names as GDTF files are
    // named, "Maker@Type@comment".
    void kindOf(const QString& gdtfSpec, SwitchChart::Fixture& fixture) {
        QString maker;
        QString type;
        if (!gdtfSpec.isEmpty()) {
            if (const Loaded& loaded = loadedOf(gdtfSpec); loaded.gdtf) {
                maker = loaded.gdtf->maker();
                type = loaded.gdtf->type();
            }
            QString named = gdtfSpec;
            if (named.endsWith(QStringLiteral(".gdtf"), Qt::CaseInsensitive)) {
                named.chop(5);
            }
            const QStringList parts = named.split(u'@');
            if (maker.isEmpty() && parts.size() > 1) {
                maker = parts.at(0);
            }
            if (type.isEmpty()) {
                type = parts.at(parts.size() > 1 ? 1 : 0);
            }
        }
        fixture.maker = filetext::quotedUtf8(maker);
        fixture.type = filetext::quotedUtf8(type);
    }

private:
    struct Loaded {
        std::shared_ptr<GdtfFile> gdtf;
        QString problem;
    };

    static QString fileOf(const QString& gdtfSpec) {
        return gdtfSpec.endsWith(QStringLiteral(".gdtf"), Qt::CaseInsensitive)
                   ? gdtfSpec
                   : gdtfSpec + QStringLiteral(".gdtf"); // as some programs name it
    }

    // The GDTF file, read once.
    const Loaded& loadedOf(const QString& gdtfSpec) {
        const QString file = fileOf(gdtfSpec);
        auto found = m_files.find(file);
        if (found == m_files.end()) {
            found = m_files.emplace(file, load(gdtfSpec, file)).first;
        }
        return found->second;
    }

    Loaded load(const QString& gdtfSpec, const QString& file) {
        if (gdtfSpec.isEmpty()) {
            return {nullptr,
                    QCoreApplication::translate("MvrFile", "a fixture names no GDTF file")};
        }
        const QString named = QCoreApplication::translate("MvrFile", "the GDTF file \"%1\"")
                                  .arg(filetext::quoted(file, 100));
        if (m_archive == nullptr) {
            return {nullptr,
                    QCoreApplication::translate("MvrFile", "%1 is not there, with the scene alone")
                        .arg(named)};
        }
        try {
            const std::optional<QByteArray> bytes = m_archive->read(file);
            if (!bytes) {
                return {
                    nullptr,
                    QCoreApplication::translate("MvrFile", "%1 is not in the MVR file").arg(named)};
            }
            return {std::make_shared<GdtfFile>(*bytes, named, m_budget), {}};
        } catch (const ZipArchive::Error& error) {
            return {nullptr, QCoreApplication::translate("MvrFile", "%1 cannot be read: %2")
                                 .arg(named, QString::fromStdString(error.what()))};
        } catch (const ChartRefused& refused) {
            return {nullptr, QString::fromStdString(refused.what())};
        }
    }

    int makeDo(const QString& file, const QString& mode, const QString& problem) {
        if (m_told.emplace(file, mode).second) {
            QString note = problem;
            if (note.endsWith(u'.')) {
                note.chop(1);
            }
            m_rig.notes.push_back(
                QCoreApplication::translate(
                    "MvrFile", "note: %1; its fixtures are charted with 1 channel a break.")
                    .arg(note)
                    .toStdString());
        }
        return 1;
    }

    ZipArchive* m_archive;
    riglimits::InflateBudget& m_budget;
    Rig& m_rig;
    std::map<QString, Loaded> m_files;
    std::set<std::pair<QString, QString>> m_told;
};

// Every Fixture element of the scene in the order the file lists them, with
// what of its own children a chart needs.
class SceneReader {
public:
    SceneReader(XmlScan& scan, const std::string& fileName)
        : m_scan(scan)
        , m_fileName(fileName) {}

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
            m_scan.refuse(QCoreApplication::translate(
                              "MvrFile", "its root element is <%1>, not <GeneralSceneDescription>.")
                              .arg(filetext::quoted(name)));
        }
        if (name == u"Fixture") {
            // Each becomes a fixture of the rig at least, so it is held to the
            // rig's limit already.
            Rig::checkCount(m_fixtures.size() + 1, m_fileName);
            SceneFixture fixture;
            fixture.fixture.name = m_scan.attribute(u"name").toStdString();
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
    const std::string& m_fileName;
    std::vector<SceneFixture> m_fixtures;
    std::vector<std::pair<int, std::size_t>> m_open; // depth and index of each open Fixture
};

Rig rigOfScene(const QByteArray& scene, const QString& where, const QString& fileName,
               ZipArchive* archive, riglimits::InflateBudget& budget) {
    const std::string name = filetext::quoted(fileName, 100).toStdString();
    XmlScan scan(scene, where);
    const std::vector<SceneFixture> fixtures = SceneReader(scan, name).read();
    Rig rig;
    Footprints footprints(archive, budget, rig);
    for (const SceneFixture& scened : fixtures) {
        SwitchChart::Fixture fixture = scened.fixture;
        fixture.number =
            (scened.fixtureId.isEmpty() ? scened.unitNumber : scened.fixtureId).toStdString();
        footprints.kindOf(scened.gdtfSpec, fixture);
        std::vector<Rig::Break> breaks;
        for (const auto& [dmxBreak, text] : scened.addresses) {
            const std::optional<PatchAddress> patch = PatchAddress::read(text.toStdString());
            if (!patch || patch->last) {
                throw ChartRefused(
                    SwitchChart::refusalName(fixture, rig.fixtures.size() + 1) + ": " +
                    QCoreApplication::translate(
                        "MvrFile",
                        "address \"%1\" is neither a DMX address counting across universes "
                        "nor Universe.Address.")
                        .arg(filetext::quoted(text))
                        .toStdString());
            }
            if (patch->address != 0) {
                breaks.push_back({dmxBreak + 1, *patch,
                                  footprints.channels(scened.gdtfSpec, scened.mode, dmxBreak + 1),
                                  filetext::quoted(text).toStdString()});
            }
        }
        rig.addBreaks(fixture, breaks, name);
    }
    return rig;
}

} // namespace

Rig MvrFile::read(const QByteArray& bytes, const QString& fileName,
                  riglimits::InflateBudget budget) {
    const QString where = filetext::quoted(fileName, 100);
    const auto refuse = [&where](const QString& what) {
        throw ChartRefused((where + QStringLiteral(": ") + what).toStdString());
    };
    std::unique_ptr<ZipArchive> archive;
    std::optional<QByteArray> scene;
    try {
        archive = std::make_unique<ZipArchive>(bytes, budget);
    } catch (const ZipArchive::Error& error) {
        refuse(QString::fromStdString(error.what()) + u'.');
    }
    try {
        scene = archive->read(QStringLiteral("GeneralSceneDescription.xml"));
    } catch (const ZipArchive::Error& error) {
        refuse(QCoreApplication::translate("MvrFile",
                                           "GeneralSceneDescription.xml cannot be read: %1.")
                   .arg(QString::fromStdString(error.what())));
    }
    if (!scene) {
        refuse(QCoreApplication::translate(
            "MvrFile", "no GeneralSceneDescription.xml in it, so it is no MVR file."));
    }
    return rigOfScene(*scene, where + QStringLiteral(", GeneralSceneDescription.xml"), fileName,
                      archive.get(), budget);
}

Rig MvrFile::readScene(const QByteArray& scene, const QString& fileName) {
    riglimits::InflateBudget budget;
    return rigOfScene(scene, filetext::quoted(fileName, 100), fileName, nullptr, budget);
}

} // namespace brisolant
