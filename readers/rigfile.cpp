#include "rigfile.h"

#include "grandma2export.h"
#include "grandma3export.h"
#include "mvrfile.h"
#include "patchlist.h"
#include "qlcworkspace.h"
#include "xmlscan.h"
#include "ziparchive.h"

namespace brisolant {

namespace {

// XML begins with "<" after a byte order mark and blanks; in UTF-16 with one.
bool looksLikeXml(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xFE<") || bytes.startsWith("\xFE\xFF\0<")) {
        return true;
    }
    qsizetype i = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (i < bytes.size() && QByteArrayView(" \t\r\n").contains(bytes.at(i))) {
        ++i;
    }
    return i < bytes.size() && bytes.at(i) == '<';
}

} // namespace

Rig RigFile::read(const QByteArray& bytes, const QString& fileName) {
    if (ZipArchive::looksLikeZip(bytes)) {
        return MvrFile::read(bytes, fileName);
    }
    if (!looksLikeXml(bytes)) {
        return {PatchList::read(bytes, fileName), {}};
    }
    XmlScan root(bytes, fileName);
    if (!root.next()) {
        root.refuse(QStringLiteral("XML without any element."));
    }
    const QStringView name = root.name();
    if (name == u"GeneralSceneDescription") {
        std::int64_t budget = ZipArchive::kLargestInAll;
        return MvrFile::readScene(bytes, fileName, nullptr, budget);
    }
    if (name == u"GMA3") {
        return Grandma3Export::read(bytes, fileName);
    }
    if (name == u"MA" && root.namespaceUri() == Grandma2Export::kNamespace) {
        return Grandma2Export::read(bytes, fileName);
    }
    if (name == u"Workspace") {
        return QlcWorkspace::read(bytes, fileName);
    }
    root.refuse(QStringLiteral("XML with the root element <%1>, which is none of the rigs "
                               "Brisolant reads (MVR, grandMA3, grandMA2, QLC+ workspace).")
                    .arg(name.left(40)));
}

} // namespace brisolant
