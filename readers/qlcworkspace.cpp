#include "qlcworkspace.h"

#include "dmxlimits.h"
#include "filename.h"
#include "filetext.h"
#include "wholenumber.h"
#include "xmlreader.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace brisolant {

namespace {

// The child elements of a Fixture that a chart needs; the others are passed over.
constexpr std::array<QStringView, 7> kFields = {
    u"Name", u"Manufacturer", u"Model", u"Universe", u"Address", u"Channels", u"CrossUniverse"};
using Fields = std::array<QString, kFields.size()>;

// The fixture from the texts of its child elements.
SwitchChart::Fixture fixtureOf(const Fields& fields, int line, std::size_t place) {
    const auto field = [&fields](QStringView name) {
        const auto found = std::find(kFields.begin(), kFields.end(), name);
        return fields.at(static_cast<std::size_t>(found - kFields.begin()));
    };
    SwitchChart::Fixture fixture;
    fixture.name = field(u"Name").toStdString();
    fixture.maker = field(u"Manufacturer").toStdString();
    fixture.type = field(u"Model").toStdString();
    fixture.line = line;
    // A number QLC+ counts from 0, and how QLC+ shows it, from 1: one more, or
    // the text itself where it is beyond any limit, which one more would not change.
    const auto number = [&](QStringView name, int otherwise, std::string* shown) {
        const QString text = field(name);
        if (text.isEmpty()) {
            return otherwise;
        }
        const std::optional<int> value = readWholeNumber(text.toStdString());
        if (!value) {
            Rig::refuse(
                fixture, place,
                QCoreApplication::translate("QlcWorkspace", "%1 \"%2\" is not a whole number.")
                    .arg(name.toString().toLower(), filetext::quoted(text)));
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
    XmlReader scan(bytes, filename::quoted(fileName));
    return read(scan, fileName);
}

Rig QlcWorkspace::read(XmlReader& scan, const QString& fileName) {
    const std::string name = filename::quoted(fileName).toStdString();
    Rig rig;
    int fixtureDepth = 0; // of the Fixture open, or 0
    int line = 0;
    Fields fields;
    while (scan.next()) {
        if (!scan.isStart()) {
            if (fixtureDepth > 0 && scan.depth() < fixtureDepth) {
                rig.add(fixtureOf(fields, line, rig.fixtures.size() + 1), name);
                fixtureDepth = 0;
            }
            continue;
        }
        const QStringView element = scan.name();
        // Functions name the fixtures they drive in Fixture elements of their own.
        if (element == u"Fixture" && scan.parent() == u"Engine") {
            fixtureDepth = scan.depth();
            line = scan.line();
            fields = {};
        } else if (fixtureDepth > 0 && scan.depth() == fixtureDepth + 1) {
            const auto found = std::find(kFields.begin(), kFields.end(), element);
            if (found != kFields.end()) {
                fields.at(static_cast<std::size_t>(found - kFields.begin())) = scan.text();
            }
        }
    }
    return rig;
}

} // namespace brisolant
