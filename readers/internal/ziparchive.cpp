#include "ziparchive.h"

#include "filename.h"
#include "filetext.h"
#include "riglimits.h"

#include <QCoreApplication>

#include <unzip.h>

#include <algorithm>
#include <cstring>

namespace brisolant {

namespace {

using Stream = ZipArchive::Stream;

// minizip's file functions over the bytes in memory.
voidpf ZCALLBACK openStream(voidpf opaque, const void* /*name*/, int /*mode*/) {
    return opaque;
}

uLong ZCALLBACK readStream(voidpf /*opaque*/, voidpf stream, void* buffer, uLong size) {
    auto* in = static_cast<Stream*>(stream);
    const auto total = static_cast<std::uint64_t>(in->bytes.size());
    const std::uint64_t count =
        std::min<std::uint64_t>(size, total - std::min(in->position, total));
    if (count > 0) {
        std::memcpy(buffer, in->bytes.constData() + in->position, count);
    }
    in->position += count;
    return static_cast<uLong>(count);
}

uLong ZCALLBACK writeStream(voidpf /*opaque*/, voidpf /*stream*/, const void* /*buffer*/,
                            uLong /*size*/) {
    return 0;
}

ZPOS64_T ZCALLBACK tellStream(voidpf /*opaque*/, voidpf stream) {
    return static_cast<Stream*>(stream)->position;
}

long ZCALLBACK seekStream(voidpf /*opaque*/, voidpf stream, ZPOS64_T offset, int origin) {
    auto* in = static_cast<Stream*>(stream);
    const auto total = static_cast<std::uint64_t>(in->bytes.size());
    const std::uint64_t base = origin == ZLIB_FILEFUNC_SEEK_CUR   ? in->position
                               : origin == ZLIB_FILEFUNC_SEEK_END ? total
                                                                  : 0;
    if (offset > total || base > total - offset) {
        return -1;
    }
    in->position = base + offset;
    return 0;
}

int ZCALLBACK closeStream(voidpf /*opaque*/, voidpf /*stream*/) {
    return 0;
}

int ZCALLBACK streamError(voidpf /*opaque*/, voidpf /*stream*/) {
    return 0;
}

} // namespace

ZipArchive::ZipArchive(const QByteArray& bytes, riglimits::InflateBudget& budget,
                       const ReadControl* control)
    : m_stream{bytes, 0}
    , m_budget(budget)
    , m_control(control) {
    zlib_filefunc64_def functions{openStream, readStream,  writeStream, tellStream,
                                  seekStream, closeStream, streamError, &m_stream};
    m_zip = unzOpen2_64("", &functions);
    if (m_zip == nullptr) {
        fail(QCoreApplication::translate("ZipArchive", "not a zip archive, or one cut short"));
    }
    try {
        listEntries();
    } catch (...) {
        unzClose(m_zip);
        throw;
    }
}

void ZipArchive::listEntries() {
    // The directory once, so that each name is found at once, however many
    // entries there are, and no more entries than a zip may list.
    std::int64_t count = 0;
    for (int status = unzGoToFirstFile(m_zip); status != UNZ_END_OF_LIST_OF_FILE;
         status = unzGoToNextFile(m_zip)) {
        if (++count > riglimits::kMostZipEntries) {
            fail(QCoreApplication::translate("ZipArchive",
                                             "a zip archive of more than %1 entries; no show "
                                             "file has that many")
                     .arg(riglimits::kMostZipEntries));
        }
        unz_file_info64 info{};
        QByteArray name;
        if (status == UNZ_OK) {
            status = unzGetCurrentFileInfo64(m_zip, &info, nullptr, 0, nullptr, 0, nullptr, 0);
        }
        if (status == UNZ_OK) {
            name.resize(static_cast<qsizetype>(info.size_filename));
            status = unzGetCurrentFileInfo64(m_zip, &info, name.data(), info.size_filename, nullptr,
                                             0, nullptr, 0);
        }
        unz64_file_pos place{};
        if (status == UNZ_OK) {
            status = unzGetFilePos64(m_zip, &place);
        }
        if (status != UNZ_OK) {
            fail(QCoreApplication::translate("ZipArchive",
                                             "a zip archive whose directory is damaged"));
        }
        // Names are UTF-8, flagged or not, in the programs that write show
        // files; the rest are read as their bytes suggest.
        const QString decoded = filetext::decoded(name);
        m_named.emplace(decoded, Place{place.pos_in_zip_directory, place.num_of_file});
        m_anyCase.emplace(decoded.toCaseFolded(),
                          Place{place.pos_in_zip_directory, place.num_of_file});
    }
}

ZipArchive::~ZipArchive() {
    if (m_zip != nullptr) {
        if (m_open) {
            unzCloseCurrentFile(m_zip);
        }
        unzClose(m_zip);
    }
}

void ZipArchive::fail(const QString& what) {
    if (m_open) {
        m_open = false;
        unzCloseCurrentFile(m_zip);
    }
    throw Error(what.toStdString());
}

bool ZipArchive::looksLikeZip(QByteArrayView bytes) {
    return bytes.startsWith("PK\x03\x04") || bytes.startsWith("PK\x05\x06");
}

bool ZipArchive::open(const QString& name) {
    if (m_open) {
        m_open = false;
        unzCloseCurrentFile(m_zip);
    }
    auto found = m_named.find(name);
    if (found == m_named.end()) {
        found = m_anyCase.find(name.toCaseFolded());
        if (found == m_anyCase.end()) {
            return false;
        }
    }
    m_entry = filename::quoted(found->first);
    unz64_file_pos place{found->second.directoryOffset, found->second.number};
    unz_file_info64 info{};
    if (unzGoToFilePos64(m_zip, &place) != UNZ_OK ||
        unzGetCurrentFileInfo64(m_zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
        fail(QCoreApplication::translate("ZipArchive", "a zip archive whose directory is damaged"));
    }
    if ((info.flag & 1U) != 0) {
        fail(QCoreApplication::translate("ZipArchive", "the entry \"%1\" is encrypted")
                 .arg(m_entry));
    }
    if (info.compression_method != 0 && info.compression_method != Z_DEFLATED) {
        fail(QCoreApplication::translate(
                 "ZipArchive",
                 "the entry \"%1\" is compressed in a way Brisolant does not read (method %2)")
                 .arg(m_entry)
                 .arg(info.compression_method));
    }
    if (unzOpenCurrentFile(m_zip) != UNZ_OK) {
        fail(QCoreApplication::translate("ZipArchive", "the entry \"%1\" is damaged").arg(m_entry));
    }
    m_open = true;
    m_inflated = 0;
    m_limit = std::min(riglimits::kLargestZipEntry, m_budget.left);
    m_statedSize = static_cast<std::int64_t>(
        std::min<ZPOS64_T>(info.uncompressed_size, riglimits::kLargestZipEntry));
    return true;
}

qsizetype ZipArchive::read(char* buffer, qsizetype room) {
    if (!m_open) {
        return 0;
    }
    constexpr std::int64_t kCheckEvery = std::int64_t{1} << 20;
    const int read = unzReadCurrentFile(
        m_zip, buffer, static_cast<unsigned>(std::min<qsizetype>(room, qsizetype{1} << 30)));
    if (read < 0) {
        fail(QCoreApplication::translate("ZipArchive", "the entry \"%1\" is damaged").arg(m_entry));
    }
    if (m_control != nullptr && (m_inflated + read) / kCheckEvery != m_inflated / kCheckEvery) {
        m_control->checkCancelled();
    }
    m_inflated += read;
    if (m_inflated > m_limit) {
        fail(m_limit == riglimits::kLargestZipEntry
                 ? QCoreApplication::translate("ZipArchive", "the entry \"%1\" inflates past %2")
                       .arg(m_entry, filetext::sizeText(riglimits::kLargestZipEntry))
                 : QCoreApplication::translate("ZipArchive",
                                               "the entries read inflate past %1 in all")
                       .arg(filetext::sizeText(m_budget.total)));
    }
    if (read == 0) {
        m_open = false;
        // Only here is the checksum compared, over everything read.
        if (unzCloseCurrentFile(m_zip) != UNZ_OK) {
            fail(QCoreApplication::translate("ZipArchive",
                                             "the entry \"%1\" is damaged (its checksum is wrong)")
                     .arg(m_entry));
        }
        m_budget.left -= m_inflated;
    }
    return read;
}

std::optional<QByteArray> ZipArchive::read(const QString& name) {
    if (!open(name)) {
        return std::nullopt;
    }
    QByteArray bytes;
    constexpr qsizetype kChunk = 1 << 16;
    for (;;) {
        const qsizetype used = bytes.size();
        bytes.resize(used + kChunk);
        const qsizetype count = read(bytes.data() + used, kChunk);
        bytes.resize(used + count);
        if (count == 0) {
            return bytes;
        }
    }
}

} // namespace brisolant
