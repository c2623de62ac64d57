#include "rigfile.h"

#include "chartrefused.h"
#include "filetext.h"
#include "grandma2export.h"
#include "grandma3export.h"
#include "mvrfile.h"
#include "patchlist.h"
#include "qlcworkspace.h"
#include "xmlscan.h"
#include "ziparchive.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <algorithm>
#include <cstdio>

namespace brisolant {

namespace {

[[noreturn]] void unreadable(const QString& path, const QString& why) {
    throw RigFile::Unreadable(
        QCoreApplication::translate("RigFile", "cannot read the patch list \"%1\": %2.")
            .arg(filetext::quoted(path, 200), why)
            .toStdString());
}

[[noreturn]] void tooLarge(const QString& path, std::int64_t largest) {
    throw ChartRefused(
        QCoreApplication::translate("RigFile",
                                    "%1: larger than %2, the most Brisolant reads; no show file is "
                                    "that large.")
            .arg(RigFile::title(path), filetext::sizeText(largest))
            .toStdString());
}

// Reads to the end, but never more than one byte past largest: enough to
// know that there is more.
QByteArray readBounded(QFile& file, const QString& path, std::int64_t largest,
                       ReadControl* control) {
    QByteArray bytes;
    if (!file.isSequential()) {
        bytes.reserve(static_cast<qsizetype>(std::min<std::int64_t>(file.size(), largest)) + 1);
    }
    constexpr qint64 kChunk = qint64{1} << 20;
    while (bytes.size() <= largest) {
        const qsizetype used = bytes.size();
        const qint64 wanted = std::min(kChunk, largest + 1 - used);
        bytes.resize(used + static_cast<qsizetype>(wanted));
        const qint64 read = file.read(bytes.data() + used, wanted);
        if (read < 0) {
            unreadable(path, file.errorString());
        }
        bytes.resize(used + static_cast<qsizetype>(read));
        if (control != nullptr) {
            control->done = bytes.size();
            control->checkCancelled();
        }
        if (read == 0) {
            return bytes;
        }
    }
    tooLarge(path, largest);
}

bool isPipe(const QString& path) {
#ifdef _WIN32
    return false;
#else
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
#endif
}

} // namespace

QString RigFile::title(const QString& path) {
    return path == u"-" ? QCoreApplication::translate("RigFile", "standard input")
                        : filetext::quoted(QFileInfo(path).fileName(), 200);
}

Rig RigFile::readPath(const QString& path, std::int64_t largest, ReadControl* control) {
    QFile file;
    if (path == u"-") {
        if (!file.open(stdin, QIODevice::ReadOnly)) {
            unreadable(path, file.errorString());
        }
    } else {
        // A device may never end: refused before it is opened. A pipe, named
        // or a shell's <(...), is read as standard input is.
        const QFileInfo info(path);
        if (info.isDir()) {
            unreadable(path, QCoreApplication::translate("RigFile", "it is a folder"));
        }
        if (info.exists() && !info.isFile() && !isPipe(path)) {
            unreadable(path, QCoreApplication::translate("RigFile",
                                                         "it is a device or a socket, not a file"));
        }
        if (info.size() > largest) {
            tooLarge(path, largest);
        }
        if (control != nullptr) {
            control->total = info.size();
        }
        file.setFileName(path);
        if (!file.open(QIODevice::ReadOnly)) {
            unreadable(path, file.errorString());
        }
    }
    return read(readBounded(file, path, largest, control), title(path));
}

Rig RigFile::read(const QByteArray& bytes, const QString& fileName) {
    if (ZipArchive::looksLikeZip(bytes)) {
        return MvrFile::read(bytes, fileName);
    }
    if (!filetext::isMarkup(bytes)) {
        return PatchList::read(bytes, fileName);
    }
    XmlScan root(bytes, filetext::quoted(fileName, 100));
    if (!root.next()) {
        root.refuse(QCoreApplication::translate("RigFile", "XML without any element."));
    }
    const QStringView name = root.name();
    if (name == u"GeneralSceneDescription") {
        return MvrFile::readScene(bytes, fileName);
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
    root.refuse(QCoreApplication::translate(
                    "RigFile",
                    "XML with the root element <%1>, which is none of the rigs Brisolant "
                    "reads (MVR, grandMA3, grandMA2, QLC+ workspace).")
                    .arg(filetext::quoted(name)));
}

} // namespace brisolant
