#include "mvrfile.h"

#include "chartrefused.h"
#include "dmxlimits.h"
#include "filename.h"
#include "filetext.h"
#include "gdtffile.h"
#include "parseprogress.h"
#include "wholenumber.h"
#include "xmlreader.h"
#include "ziparchive.h"

#include <QCoreApplication>

#include <algorithm>
#include <map>
#include <memory>
#include <set>

namespace brisolant {

namespace {

struct SceneFixture {
    struct Address {
        std::optional<QString> dmxBreak; // as written; nothing for 0
        QString text;
    };

    SwitchChart::Fixture fixture; // its name
    QString fixtureId;
    QString unitNumber;
    QString gdtfSpec;
    QString mode;
    std::vector<Address> addresses;
    std::size_t patched = 0; // of its addresses, those not 0
};

// The channel counts of the fixture types, each GDTF file read once, and a
// note once per fixture type whose count could not be had.
class Footprints {
public:
    Footprints(ZipArchive* archive, riglimits::InflateBudget& budget, const ReadControl* control,
               Rig& rig)
        : m_archive(archive)
        , m_budget(budget)
        , m_control(control)
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
                    .arg(filename::quoted(file), QString::number(dmxBreak),
                         filename::quoted(mode)));
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
                                  .arg(filename::quoted(file));
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
            return {std::make_shared<GdtfFile>(*bytes, named, m_budget, m_control), {}};
        } catch (const ZipArchive::Error& error) {
            return {nullptr, QString::fromStdString(error.what())};
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
    const ReadControl* m_control;
    Rig& m_rig;
    std::map<QString, Loaded> m_files;
    std::set<std::pair<QString, QString>> m_told;
};

// Every Fixture element of the scene in the order the file lists them, with
// what of its own children a chart needs. Each is held until the scene is
// read, and so counted as it comes: a fixture makes a fixture of the rig for
// each address that is not 0, and one where it has none.
class SceneReader {
public:
    SceneReader(XmlReader& scan, const std::string& fileName)
        : m_scan(scan)
        , m_fileName(fileName) {}

    std::vector<SceneFixture> read() {
        m_scan.root();
        if (m_scan.name() != u"GeneralSceneDescription") {
            m_scan.refuse(QCoreApplication::translate(
                              "MvrFile", "its root element is <%1>, not <GeneralSceneDescription>.")
                              .arg(filetext::quoted(m_scan.name())));
        }
        while (m_scan.next()) {
            if (m_scan.isStart()) {
                start(m_scan.name());
            } else if (!m_open.empty() && m_scan.depth() < m_open.back().first) {
                m_open.pop_back();
            }
        }
        return std::move(m_fixtures);
    }

private:
    void count() { Rig::checkCount(++m_count, m_fileName); }

    void start(QStringView name) {
        if (name == u"Fixture") {
            count();
            SceneFixture fixture;
            fixture.fixture.name = m_scan.attribute(u"name").toStdString();
            m_fixtures.push_back(std::move(fixture));
            m_open.emplace_back(m_scan.depth(), m_fixtures.size() - 1);
        } else if (!m_open.empty()) {
            child(name, m_scan.depth() - m_open.back().first);
        }
    }

    // An element below the innermost open fixture, by how far below it.
    void child(QStringView name, int below) {
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
            std::optional<QString> dmxBreak;
            if (m_scan.hasAttribute(u"break")) {
                dmxBreak = m_scan.attribute(u"break");
            }
            SceneFixture::Address address{std::move(dmxBreak), m_scan.text()};
            // One not in any notation counts too: it is refused once read.
            const std::optional<PatchAddress> patch =
                PatchAddress::read(address.text.toStdString());
            if ((!patch || patch->address != 0) && ++fixture.patched > 1) {
                count();
            }
            fixture.addresses.push_back(std::move(address));
        }
    }

    XmlReader& m_scan;
    const std::string& m_fileName;
    std::vector<SceneFixture> m_fixtures;
    std::size_t m_count = 0;                         // fixtures of the rig they make
    std::vector<std::pair<int, std::size_t>> m_open; // depth and index of each open Fixture
};

[[noreturn]] void refuseFile(const QString& where, const QString& what) {
    throw ChartRefused((where + QStringLiteral(": ") + what).toStdString());
}

// The break (from 0) an address names, 0 where it names none.
int breakOf(const SceneFixture::Address& address, const SwitchChart::Fixture& fixture,
            std::size_t place) {
    if (!address.dmxBreak) {
        return 0;
    }
    const std::optional<int> number = readWholeNumber(filetext::utf8(*address.dmxBreak));
    if (!number || *number < 0) {
        Rig::refuse(fixture, place,
                    QCoreApplication::translate(
                        "MvrFile", "the break \"%1\" of its address \"%2\" is no whole number "
                                   "from 0.")
                        .arg(filetext::quoted(*address.dmxBreak), filetext::quoted(address.text)));
    }
    return std::min(*number, riglimits::kHighestBreak);
}

Rig rigOfScene(XmlReader& scan, const QString& fileName, ZipArchive* archive,
               riglimits::InflateBudget& budget, const ReadControl* control) {
    const std::string name = filename::quoted(fileName).toStdString();
    const std::vector<SceneFixture> fixtures = SceneReader(scan, name).read();
    Rig rig;
    Footprints footprints(archive, budget, control, rig);
    for (const SceneFixture& scened : fixtures) {
        SwitchChart::Fixture fixture = scened.fixture;
        // FixtureID is the number consoles select by; UnitNumber numbers a
        // fixture on its position, where the plot gives no FixtureID.
        fixture.number =
            (scened.fixtureId.isEmpty() ? scened.unitNumber : scened.fixtureId).toStdString();
        footprints.kindOf(scened.gdtfSpec, fixture);
        const std::size_t place = rig.fixtures.size() + 1;
        std::vector<Rig::Break> breaks;
        for (const SceneFixture::Address& address : scened.addresses) {
            const std::optional<PatchAddress> patch =
                PatchAddress::read(address.text.toStdString());
            if (!patch || patch->last) {
                Rig::refuse(fixture, place,
                            QCoreApplication::translate(
                                "MvrFile",
                                "address \"%1\" is neither a DMX address counting across "
                                "universes nor Universe.Address.")
                                .arg(filetext::quoted(address.text)));
            }
            const int dmxBreak = breakOf(address, fixture, place);
            if (patch->address != 0) {
                breaks.push_back({dmxBreak + 1, *patch,
                                  footprints.channels(scened.gdtfSpec, scened.mode, dmxBreak + 1),
                                  filetext::quoted(address.text).toStdString()});
            }
        }
        rig.addBreaks(std::move(fixture), breaks, name);
    }
    return rig;
}

} // namespace

Rig MvrFile::read(const QByteArray& bytes, const QString& fileName, riglimits::InflateBudget budget,
                  ReadControl* control) {
    const QString where = filename::quoted(fileName);
    try {
        ZipArchive archive(bytes, budget, control);
        if (!archive.open(QStringLiteral("GeneralSceneDescription.xml"))) {
            refuseFile(where, QCoreApplication::translate("MvrFile",
                                                          "no GeneralSceneDescription.xml in it, "
                                                          "so it is no MVR file."));
        }
        // The scene parsed as it inflates, its progress the second half of
        // the file's, after its reading.
        const ParseProgress progress{control, bytes.size(), bytes.size()};
        std::int64_t inflated = 0;
        XmlReader scene(
            [&](char* buffer, qsizetype room) {
                progress.at(inflated, archive.statedSize());
                const qsizetype count = archive.read(buffer, room);
                inflated += count;
                return count;
            },
            where + QStringLiteral(", GeneralSceneDescription.xml"));
        return rigOfScene(scene, fileName, &archive, budget, control);
    } catch (const ZipArchive::Error& error) {
        refuseFile(where, QString::fromStdString(error.what()) + u'.');
    }
}

Rig MvrFile::readScene(XmlReader& scene, const QString& fileName) {
    riglimits::InflateBudget budget;
    return rigOfScene(scene, fileName, nullptr, budget, nullptr);
}

} // namespace brisolant
