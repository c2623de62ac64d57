#include "grandma3export.h"

#include "filename.h"
#include "filetext.h"
#include "riglimits.h"
#include "xmlreader.h"

#include <QCoreApplication>

#include <algorithm>
#include <string>
#include <string_view>

namespace brisolant {

namespace {

// An ID as grandMA3 writes it: "None" is none.
std::string idOf(std::string text) {
    return text == "None" ? std::string() : text;
}

// The text without the blanks around it; on one line, it has no other white space.
std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos
               ? std::string_view()
               : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

Rig Grandma3Export::read(const QByteArray& bytes, const QString& fileName) {
    XmlReader scan(bytes, filename::quoted(fileName));
    return read(scan, fileName);
}

Rig Grandma3Export::read(XmlReader& scan, const QString& fileName) {
    const std::string name = filename::quoted(fileName).toStdString();
    Rig rig;
    // Reserved for as many fixtures as the file can hold, up to the limit,
    // so that the rig is never moved as it grows; what a smaller rig leaves
    // unused is never touched.
    constexpr std::int64_t kSmallestFixture = std::string_view(R"(<Fixture Patch="1.1"/>)").size();
    rig.fixtures.reserve(static_cast<std::size_t>(
        std::min<std::int64_t>(riglimits::kMostFixtures, scan.size() / kSmallestFixture)));
    while (scan.next()) {
        if (!scan.isStart() || scan.name() != u"Fixture") {
            continue;
        }
        SwitchChart::Fixture fixture;
        fixture.name = scan.attributeUtf8(u"Name");
        fixture.type = scan.attributeUtf8(u"FixtureType");
        const std::string fid = idOf(scan.attributeUtf8(u"FID"));
        fixture.number = fid.empty() ? idOf(scan.attributeUtf8(u"CID")) : fid;
        fixture.line = scan.line();
        std::vector<Rig::Break> breaks;
        // On one line already, as UTF-8: split and trimmed as bytes.
        const std::string patches = scan.attributeUtf8(u"Patch");
        int dmxBreak = 0;
        for (std::size_t at = 0; at <= patches.size(); ++at) {
            const std::size_t end = std::min(patches.find(',', at), patches.size());
            const std::string_view text = trimmed(std::string_view(patches).substr(at, end - at));
            at = end;
            ++dmxBreak;
            if (text.empty() || text == "-") {
                continue;
            }
            const std::optional<PatchAddress> patch = PatchAddress::read(text);
            if (!patch || patch->last) {
                Rig::refuse(fixture, rig.fixtures.size() + 1,
                            QCoreApplication::translate("Grandma3Export",
                                                        "patch \"%1\" is not Universe.Address.")
                                .arg(filetext::quoted(QString::fromUtf8(text))));
            }
            if (patch->address != 0) {
                // Each break is a fixture of the rig: counted before it is held.
                rig.checkRoom(breaks.size() + 1, name);
                // Shorter than the cut in bytes, it is shorter in characters.
                std::string written = text.size() <= 40
                                          ? std::string(text)
                                          : filetext::quotedUtf8(QString::fromUtf8(text), 40);
                breaks.push_back({dmxBreak, *patch, 1, std::move(written)});
            }
        }
        rig.addBreaks(std::move(fixture), breaks, name);
    }
    return rig;
}

} // namespace brisolant
