#include "grandma3export.h"

#include "chartrefused.h"
#include "filetext.h"
#include "xmlscan.h"

#include <QCoreApplication>
#include <QStringList>

namespace brisolant {

namespace {

// An ID as grandMA3 writes it: "None" is none.
QString idOf(const QString& text) {
    return text == u"None" ? QString() : text;
}

} // namespace

Rig Grandma3Export::read(const QByteArray& bytes, const QString& fileName) {
    XmlScan scan(bytes, filetext::quoted(fileName, 100));
    const std::string name = filetext::quoted(fileName, 100).toStdString();
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
        const QStringList patches = scan.attribute(u"Patch").split(u',');
        for (qsizetype i = 0; i < patches.size(); ++i) {
            const QString text = patches.at(i).trimmed();
            if (text.isEmpty() || text == u"-") {
                continue;
            }
            const std::optional<PatchAddress> patch = PatchAddress::read(text.toStdString());
            if (!patch || patch->last) {
                throw ChartRefused(SwitchChart::refusalName(fixture, rig.fixtures.size() + 1) +
                                   ": " +
                                   QCoreApplication::translate(
                                       "Grandma3Export", "patch \"%1\" is not Universe.Address.")
                                       .arg(filetext::quoted(text))
                                       .toStdString());
            }
            if (patch->address != 0) {
                breaks.push_back(
                    {static_cast<int>(i) + 1, *patch, 1, filetext::quoted(text).toStdString()});
            }
        }
        rig.addBreaks(fixture, breaks, name);
    }
    return rig;
}

} // namespace brisolant
