#include "qlcworkspace.h"

#include "chartrefused.h"
#include "dmxlimits.h"
#include "wholenumber.h"
#include "xmlscan.h"

#include <algorithm>
#include <map>

namespace brisolant {

namespace {

// The fixture from the texts of its child elements, by name.
SwitchChart::Fixture fixtureOf(const std::map<QString, QString>& fields, int line,
                               std::size_t place) {
    const auto field = [&fields](const char16_t* name) {
        const auto found = fields.find(QString::fromUtf16(name));
        return found == fields.end() ? QString() : found->second;
    };
    SwitchChart::Fixture fixture;
    fixture.name = field(u"Name").toStdString();
    fixture.line = line;
    const auto number = [&](const char16_t* name, int otherwise) {
        const QString text = field(name);
        if (text.isEmpty()) {
            return otherwise;
        }
        const std::optional<int> value = readWholeNumber(text.toStdString());
        if (!value) {
            throw ChartRefused(SwitchChart::refusalName(fixture, place) + ": " +
                               QString::fromUtf16(name).toLower().toStdString() + " \"" +
                               text.left(40).toStdString() + "\" is not a whole number.");
        }
        return *value;
    };
    if (!field(u"Address").isEmpty()) {
        fixture.universe = number(u"Universe", 0) + 1;
        fixture.address = number(u"Address", 0) + 1;
    }
    fixture.channels = number(u"Channels", 1);
    if (fixture.address && field(u"CrossUniverse") == u"True") {
        fixture.channels = std::min(fixture.channels, dmx::kLastChannel - *fixture.address + 1);
    }
    return fixture;
}

} // namespace

Rig QlcWorkspace::read(const QByteArray& bytes, const QString& fileName) {
    XmlScan scan(bytes, fileName);
    Rig rig;
    int fixtureDepth = 0; // of the Fixture open, or 0
    int line = 0;
    std::map<QString, QString> fields;
    while (scan.next()) {
        if (!scan.isStart()) {
            if (fixtureDepth > 0 && scan.depth() < fixtureDepth) {
                rig.fixtures.push_back(fixtureOf(fields, line, rig.fixtures.size() + 1));
                fixtureDepth = 0;
            }
            continue;
        }
        const QString name = scan.name().toString();
        // Functions name the fixtures they drive in Fixture elements of their own.
        if (name == u"Fixture" && scan.parent() == u"Engine") {
            fixtureDepth = scan.depth();
            line = scan.line();
            fields.clear();
        } else if (fixtureDepth > 0 && scan.depth() == fixtureDepth + 1) {
            fields[name] = scan.text();
        }
    }
    return rig;
}

} // namespace brisolant
