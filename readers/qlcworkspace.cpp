#include "qlcworkspace.h"

#include "chartrefused.h"
#include "dmxlimits.h"
#include "filetext.h"
#include "wholenumber.h"
#include "xmlscan.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdlib>
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
    fixture.maker = field(u"Manufacturer").toStdString();
    fixture.type = field(u"Model").toStdString();
    fixture.line = line;
    // A number QLC+ counts from 0, and how QLC+ shows it, from 1: one more, or
    // the text itself where it is beyond any limit, which one more would not change.
    const auto number = [&](const char16_t* name, int otherwise, std::string* shown) {
        const QString text = field(name);
        if (text.isEmpty()) {
            return otherwise;
        }
        const std::optional<int> value = readWholeNumber(text.toStdString());
        if (!value) {
            throw ChartRefused(
                SwitchChart::refusalName(fixture, place) + ": " +
                QCoreApplication::translate("QlcWorkspace", "%1 \"%2\" is not a whole number.")
                    .arg(QString::fromUtf16(name).toLower(), filetext::quoted(text))
                    .toStdString());
        }
        if (shown != nullptr) {
            *shown = std::abs(*value) < kBeyondAnyLimit ? std::to_string(*value + 1)
                                                        : filetext::quoted(text).toStdString();
        }
        return *value;
    };
    if (!field(u"Address").isEmpty()) {
        fixture.universe = number(u"Universe", 0, &fixture.written.universe) + 1;
        fixture.address = number(u"Address", 0, &fixture.written.address) + 1;
    }
    fixture.channels = number(u"Channels", 1, nullptr);
    fixture.written.channels = filetext::quoted(field(u"Channels")).toStdString();
    if (fixture.address && field(u"CrossUniverse") == u"True") {
        fixture.channels = std::min(fixture.channels, dmx::kLastChannel - *fixture.address + 1);
    }
    return fixture;
}

} // namespace

Rig QlcWorkspace::read(const QByteArray& bytes, const QString& fileName) {
    XmlScan scan(bytes, filetext::quoted(fileName, 100));
    const std::string name = filetext::quoted(fileName, 100).toStdString();
    Rig rig;
    int fixtureDepth = 0; // of the Fixture open, or 0
    int line = 0;
    std::map<QString, QString> fields;
    while (scan.next()) {
        if (!scan.isStart()) {
            if (fixtureDepth > 0 && scan.depth() < fixtureDepth) {
                rig.add(fixtureOf(fields, line, rig.fixtures.size() + 1), name);
                fixtureDepth = 0;
            }
            continue;
        }
        const QString element = scan.name().toString();
        // Functions name the fixtures they drive in Fixture elements of their own.
        if (element == u"Fixture" && scan.parent() == u"Engine") {
            fixtureDepth = scan.depth();
            line = scan.line();
            fields.clear();
        } else if (fixtureDepth > 0 && scan.depth() == fixtureDepth + 1) {
            fields[element] = scan.text();
        }
    }
    return rig;
}

} // namespace brisolant
