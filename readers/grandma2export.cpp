#include "grandma2export.h"

#include "chartrefused.h"
#include "filetext.h"
#include "wholenumber.h"
#include "xmlscan.h"

#include <QCoreApplication>

namespace brisolant {

namespace {

struct SubFixture {
    std::vector<QString> addresses;
};

// One Fixture element and its sub-fixtures, as the chart takes them.
void addFixture(Rig& rig, const SwitchChart::Fixture& fixture,
                const std::vector<SubFixture>& subFixtures, const std::string& fileName) {
    for (std::size_t i = 0; i < subFixtures.size(); ++i) {
        SwitchChart::Fixture part = fixture;
        if (subFixtures.size() > 1) {
            part.name = Rig::partName(part.name, "sub-fixture", i + 1);
        }
        std::vector<Rig::Break> breaks;
        for (const QString& text : subFixtures[i].addresses) {
            const std::optional<int> address = readWholeNumber(text.toStdString());
            if (!address) {
                throw ChartRefused(SwitchChart::refusalName(part, rig.fixtures.size() + 1) + ": " +
                                   QCoreApplication::translate(
                                       "Grandma2Export", "address \"%1\" is not a whole number.")
                                       .arg(filetext::quoted(text))
                                       .toStdString());
            }
            if (*address != 0) {
                breaks.push_back({static_cast<int>(breaks.size()) + 1,
                                  {{}, *address, {}},
                                  1,
                                  filetext::quoted(text).toStdString()});
            }
        }
        rig.addBreaks(part, breaks, fileName);
    }
}

} // namespace

Rig Grandma2Export::read(const QByteArray& bytes, const QString& fileName) {
    XmlScan scan(bytes, filetext::quoted(fileName, 100));
    const std::string name = filetext::quoted(fileName, 100).toStdString();
    Rig rig;
    int fixtureDepth = 0; // of the Fixture open, or 0
    SwitchChart::Fixture fixture;
    std::vector<SubFixture> subFixtures;
    while (scan.next()) {
        if (!scan.isStart()) {
            if (fixtureDepth > 0 && scan.depth() < fixtureDepth) {
                addFixture(rig, fixture, subFixtures, name);
                fixtureDepth = 0;
            }
            continue;
        }
        const QStringView name = scan.name();
        if (name == u"Fixture" && fixtureDepth == 0) {
            fixtureDepth = scan.depth();
            const QString id = scan.attribute(u"fixture_id");
            fixture = {};
            fixture.name = scan.attribute(u"name").toStdString();
            fixture.number = (id.isEmpty() ? scan.attribute(u"channel_id") : id).toStdString();
            fixture.line = scan.line();
            subFixtures.clear();
        } else if (fixtureDepth > 0 && name == u"FixtureType" && scan.depth() == fixtureDepth + 1) {
            fixture.type = scan.attribute(u"name").toStdString();
        } else if (fixtureDepth > 0 && name == u"SubFixture") {
            subFixtures.emplace_back();
        } else if (fixtureDepth > 0 && name == u"Address" && scan.parent() == u"Patch") {
            if (subFixtures.empty()) {
                subFixtures.emplace_back(); // patched without sub-fixtures
            }
            subFixtures.back().addresses.push_back(scan.text());
        }
    }
    return rig;
}

} // namespace brisolant
