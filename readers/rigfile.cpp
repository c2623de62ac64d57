#include "rigfile.h"

#include "chartrefused.h"
#include "filename.h"
#include "filetext.h"
#include "grandma2export.h"
#include "grandma3export.h"
#include "mvrfile.h"
#include "patchlist.h"
#include "qlcworkspace.h"
#include "xmlreader.h"
#include "ziparchive.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace brisolant {

namespace {

[[noreturn]] void unreadable(const QString& path, const QString& why) {
    throw RigFile::Unreadable(
        QCoreApplication::translate("RigFile", "cannot read the patch list \"%1\": %2.")
            .arg(filename::quoted(path), why)
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

// A file read a piece at a time, never more than one byte past largest:
// enough to know that there is more. Each byte read counts twice in the
// control's done, once read and once parsed, when it is parsed as it is read.
class BoundedFile {
public:
    BoundedFile(QFile& file, const QString& path, std::int64_t largest, ReadControl* control)
        : m_file(file)
        , m_path(path)
        , m_largest(largest)
        , m_control(control) {}

    // Reads into buffer; 0 at the end.
    qsizetype read(char* buffer, qsizetype room) {
        const qint64 wanted = std::min<qint64>(room, m_largest + 1 - m_read);
        const qint64 read = wanted > 0 ? m_file.read(buffer, wanted) : 0;
        if (read < 0) {
            unreadable(m_path, m_file.errorString());
        }
        m_read += read;
        if (m_read > m_largest) {
            tooLarge(m_path, m_largest);
        }
        if (m_control != nullptr) {
            m_control->done = m_read * (m_parsedAsRead ? 2 : 1);
            m_control->checkCancelled();
        }
        return static_cast<qsizetype>(read);
    }

    // The rest of the file after head, whole.
    QByteArray rest(QByteArray head) {
        QByteArray bytes = std::move(head);
        if (!m_file.isSequential()) {
            bytes.reserve(static_cast<qsizetype>(std::min<std::int64_t>(m_file.size(), m_largest)) +
                          1);
        }
        for (;;) {
            const qsizetype used = bytes.size();
            bytes.resize(used + XmlReader::kPiece);
            const qsizetype read = this->read(bytes.data() + used, XmlReader::kPiece);
            bytes.resize(used + read);
            if (read == 0) {
                if (m_control != nullptr && m_control->total == 0) {
                    m_control->total = 2 * bytes.size(); // standard input, now known
                }
                return bytes;
            }
        }
    }

    void parseAsRead() { m_parsedAsRead = true; }

private:
    QFile& m_file;
    const QString& m_path;
    std::int64_t m_largest;
    ReadControl* m_control;
    std::int64_t m_read = 0;
    bool m_parsedAsRead = false;
};

// The rig of an XML file, told by its root element.
Rig readXml(XmlReader& xml, const QString& fileName) {
    xml.root();
    const QStringView name = xml.name();
    if (name == u"GeneralSceneDescription") {
        return MvrFile::readScene(xml, fileName);
    }
    if (name == u"GMA3") {
        return Grandma3Export::read(xml, fileName);
    }
    if (name == u"MA" && xml.namespaceUri() == Grandma2Export::kNamespace) {
        return Grandma2Export::read(xml, fileName);
    }
    if (name == u"Workspace") {
        return QlcWorkspace::read(xml, fileName);
    }
    xml.refuse(QCoreApplication::translate(
                   "RigFile", "XML with the root element <%1>, which is none of the rigs "
                              "Brisolant reads (MVR, grandMA3, grandMA2, QLC+ workspace).")
                   .arg(filetext::quoted(name)));
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
    return filename::title(path);
}

Rig RigFile::readPath(const QString& path, std::int64_t largest, ReadControl* control) {
    QFile file;
    std::int64_t size = 0; // where known before it is read
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
            control->total = 2 * info.size();
        }
        size = info.isFile() ? info.size() : 0;
        file.setFileName(path);
        if (!file.open(QIODevice::ReadOnly)) {
            unreadable(path, file.errorString());
        }
    }
    BoundedFile bounded(file, path, largest, control);
    // Its first piece tells what it is.
    QByteArray head(XmlReader::kPiece, Qt::Uninitialized);
    head.resize(bounded.read(head.data(), head.size()));
    const QString title = RigFile::title(path);
    if (ZipArchive::looksLikeZip(head) || !filetext::isMarkup(head)) {
        return read(bounded.rest(std::move(head)), title, control);
    }
    // XML is parsed as it is read, and never held whole.
    bounded.parseAsRead();
    qsizetype headLeft = head.size();
    XmlReader xml(
        [&](char* buffer, qsizetype room) -> qsizetype {
            if (headLeft > 0) {
                const qsizetype count = std::min(room, headLeft);
                std::memcpy(buffer, head.constData() + (head.size() - headLeft),
                            static_cast<std::size_t>(count));
                headLeft -= count;
                return count;
            }
            return bounded.read(buffer, room);
        },
        title, size);
    return readXml(xml, title);
}

Rig RigFile::read(const QByteArray& bytes, const QString& fileName, ReadControl* control) {
    if (ZipArchive::looksLikeZip(bytes)) {
        return MvrFile::read(bytes, fileName, {}, control);
    }
    if (!filetext::isMarkup(bytes)) {
        return PatchList::read(bytes, fileName, control);
    }
    XmlReader xml(bytes, filename::quoted(fileName), {control, bytes.size(), bytes.size()});
    return readXml(xml, fileName);
}

} // namespace brisolant
