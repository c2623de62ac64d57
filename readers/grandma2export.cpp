#include "grandma2export.h"

#include "filename.h"
#include "filetext.h"
#include "wholenumber.h"
#include "xmlreader.h"

#include <QCoreApplication>

namespace brisolant {

namespace {

// A Fixture element of the export as it is read, its sub-fixtures' patched
// addresses held until it ends: counted as they come, each sub-fixture a
// fixture of the rig for each of them, or one where it has none.
class FixtureRead {
public:
    FixtureRead(Rig& rig, const std::string& fileName)
        : m_rig(rig)
        , m_fileName(fileName) {}

    void begin(SwitchChart::Fixture fixture) {
        m_fixture = std::move(fixture);
        m_subFixtures.clear();
        m_count = 0;
        m_before = 0;
    }

    void setType(const QString& type) { m_fixture.type = type.toStdString(); }

    void addSubFixture() {
        m_subFixtures.emplace_back();
        m_before = m_count;
        count();
    }

    void addAddress(const QString& text) {
        if (m_subFixtures.empty()) {
            addSubFixture(); // patched without sub-fixtures
        }
        const std::optional<int> address = readWholeNumber(filetext::utf8(text));
        if (!address) {
            Rig::refuse(part(m_subFixtures.size() - 1), m_rig.fixtures.size() + m_before + 1,
                        QCoreApplication::translate("Grandma2Export",
                                                    "address \"%1\" is not a whole number.")
                            .arg(filetext::quoted(text)));
        }
        if (*address == 0) {
            return;
        }
        std::vector<Rig::Break>& breaks = m_subFixtures.back();
        if (!breaks.empty()) {
            count();
        }
        breaks.push_back({static_cast<int>(breaks.size()) + 1,
                          {{}, *address, {}},
                          1,
                          filetext::quotedUtf8(text, 40)});
    }

    // Adds its sub-fixtures to the rig.
    void end() {
        for (std::size_t i = 0; i < m_subFixtures.size(); ++i) {
            m_rig.addBreaks(part(i), m_subFixtures[i], m_fileName);
        }
        m_subFixtures.clear();
    }

private:
    void count() { m_rig.checkRoom(++m_count, m_fileName); }

    // The i'th sub-fixture, named after its fixture, and after itself where
    // the fixture has several.
    [[nodiscard]] SwitchChart::Fixture part(std::size_t i) const {
        SwitchChart::Fixture part = m_fixture;
        if (m_subFixtures.size() > 1) {
            part.name = Rig::partName(part.name, "sub-fixture", i + 1);
        }
        return part;
    }

    Rig& m_rig;
    const std::string& m_fileName;
    SwitchChart::Fixture m_fixture;
    std::vector<std::vector<Rig::Break>> m_subFixtures; // the patched breaks of each
    std::size_t m_count = 0;                            // fixtures of the rig they make
    std::size_t m_before = 0; // of them, those before the last sub-fixture's
};

} // namespace

Rig Grandma2Export::read(const QByteArray& bytes, const QString& fileName) {
    XmlReader scan(bytes, filename::quoted(fileName));
    return read(scan, fileName);
}

Rig Grandma2Export::read(XmlReader& scan, const QString& fileName) {
    const std::string name = filename::quoted(fileName).toStdString();
    Rig rig;
    FixtureRead read(rig, name);
    int fixtureDepth = 0; // of the Fixture open, or 0
    while (scan.next()) {
        if (!scan.isStart()) {
            if (fixtureDepth > 0 && scan.depth() < fixtureDepth) {
                read.end();
                fixtureDepth = 0;
            }
            continue;
        }
        const QStringView element = scan.name();
        if (element == u"Fixture" && fixtureDepth == 0) {
            fixtureDepth = scan.depth();
            const QString id = scan.attribute(u"fixture_id");
            SwitchChart::Fixture fixture;
            fixture.name = scan.attribute(u"name").toStdString();
            fixture.number = (id.isEmpty() ? scan.attribute(u"channel_id") : id).toStdString();
            fixture.line = scan.line();
            read.begin(std::move(fixture));
        } else if (fixtureDepth > 0 && element == u"FixtureType" &&
                   scan.depth() == fixtureDepth + 1) {
            read.setType(scan.attribute(u"name"));
        } else if (fixtureDepth > 0 && element == u"SubFixture") {
            read.addSubFixture();
        } else if (fixtureDepth > 0 && element == u"Address" && scan.parent() == u"Patch") {
            read.addAddress(scan.text());
        }
    }
    return rig;
}

} // namespace brisolant
