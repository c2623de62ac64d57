#include "grandma3export.h"

#include "filename.h"
#include "filetext.h"
#include "xmlreader.h"

#include <QCoreApplication>
#include <QStringTokenizer>

namespace brisolant {

namespace {

// An ID as grandMA3 writes it: "None" is none.
QString idOf(const QString& text) {
    return text == u"None" ? QString() : text;
}

} // namespace

Rig Grandma3Export::read(const QByteArray& bytes, const QString& fileName) {
    XmlReader scan(bytes, filename::quoted(fileName));
    return read(scan, fileName);
}

Rig Grandma3Export::read(XmlReader& scan, const QString& fileName) {
    const std::string name = filename::quoted(fileName).toStdString();
    Rig rig;
    while (scan.next()) {
        if (!scan.isStart() || scan.name() != u"Fixture") {
            continue;
        }
        SwitchChart::Fixture fixture;
        fixture.name = scan.attribute(u"Name").toStdString();
        fixture.type = scan.attribute(u"FixtureType").toStdString();
        const QString fid = idOf(scan.attribute(u"FID"));
        fixture.number = (fid.isEmpty() ? idOf(scan.attribute(u"CID")) : fid).toStdString();
        fixture.line = scan.line();
        std::vector<Rig::Break> breaks;
        const QString patches = scan.attribute(u"Patch");
        int dmxBreak = 0;
        for (const QStringView written : QStringTokenizer(patches, u',')) {
            ++dmxBreak;
            const QStringView text = written.trimmed();
            if (text.isEmpty() || text == u"-") {
                continue;
            }
            const std::optional<PatchAddress> patch = PatchAddress::read(filetext::utf8(text));
            if (!patch || patch->last) {
                Rig::refuse(fixture, rig.fixtures.size() + 1,
                            QCoreApplication::translate("Grandma3Export",
                                                        "patch \"%1\" is not Universe.Address.")
                                .arg(filetext::quoted(text)));
            }
            if (patch->address != 0) {
                // Each break is a fixture of the rig: counted before it is held.
                rig.checkRoom(breaks.size() + 1, name);
                breaks.push_back({dmxBreak, *patch, 1, filetext::quotedUtf8(text, 40)});
            }
        }
        rig.addBreaks(fixture, breaks, name);
    }
    return rig;
}

} // namespace brisolant
