#include "ziparchive.h"

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

[[noreturn]] void fail(const QString& what) {
    throw ZipArchive::Error(what.toStdString());
}

} // namespace

ZipArchive::ZipArchive(const QByteArray& bytes, riglimits::InflateBudget& budget)
    : m_stream{bytes, 0}
    , m_budget(budget) {
    zlib_filefunc64_def functions{openStream, readStream,  writeStream, tellStream,
                                  seekStream, closeStream, streamError, &m_stream};
    m_zip = unzOpen2_64("", &functions);
    if (m_zip == nullptr) {
        fail(QCoreApplication::translate("ZipArchive", "not a zip archive, or one cut short"));
    }
    // The directory once, so that each name is found at once, however many
    // entries there are.
    for (int status = unzGoToFirstFile(m_zip); status != UNZ_END_OF_LIST_OF_FILE;
         status = unzGoToNextFile(m_zip)) {
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
            unzClose(m_zip);
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
    unzClose(m_zip);
}

bool ZipArchive::looksLikeZip(QByteArrayView bytes) {
    return bytes.startsWith("PK\x03\x04") || bytes.startsWith("PK\x05\x06");
}

std::optional<QByteArray> ZipArchive::read(const QString& name) {
    auto found = m_named.find(name);
    if (found == m_named.end()) {
        found = m_anyCase.find(name.toCaseFolded());
        if (found == m_anyCase.end()) {
            return std::nullopt;
        }
    }
    unz64_file_pos place{found->second.directoryOffset, found->second.number};
    unz_file_info64 info{};
    if (unzGoToFilePos64(m_zip, &place) != UNZ_OK ||
        unzGetCurrentFileInfo64(m_zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
        fail(QCoreApplication::translate("ZipArchive", "a zip archive whose directory is damaged"));
    }
    if ((info.flag & 1U) != 0) {
        fail(QCoreApplication::translate("ZipArchive", "an entry is encrypted"));
    }
    if (info.compression_method != 0 && info.compression_method != Z_DEFLATED) {
        fail(
            QCoreApplication::translate(
                "ZipArchive", "an entry is compressed in a way Brisolant does not read (method %1)")
                .arg(info.compression_method));
    }
    if (unzOpenCurrentFile(m_zip) != UNZ_OK) {
        fail(QCoreApplication::translate("ZipArchive", "an entry is damaged"));
    }
    const std::int64_t limit = std::min(riglimits::kLargestZipEntry, m_budget.left);
    QByteArray bytes;
    constexpr qsizetype kChunk = 1 << 16;
    for (;;) {
        const qsizetype used = bytes.size();
        bytes.resize(used + kChunk);
        const int read = unzReadCurrentFile(m_zip, bytes.data() + used, kChunk);
        bytes.resize(used + std::max(read, 0));
        if (read < 0) {
            unzCloseCurrentFile(m_zip);
            fail(QCoreApplication::translate("ZipArchive", "an entry is damaged"));
        }
        if (bytes.size() > limit) {
            unzCloseCurrentFile(m_zip);
            fail(limit == riglimits::kLargestZipEntry
                     ? QCoreApplication::translate("ZipArchive", "an entry inflates past %1")
                           .arg(filetext::sizeText(riglimits::kLargestZipEntry))
                     : QCoreApplication::translate("ZipArchive",
                                                   "the entries read inflate past %1 in all")
                           .arg(filetext::sizeText(m_budget.total)));
        }
        if (read == 0) {
            break;
        }
    }
    // Only here is the checksum compared, over everything read.
    if (unzCloseCurrentFile(m_zip) != UNZ_OK) {
        fail(QCoreApplication::translate("ZipArchive",
                                         "an entry is damaged (its checksum is wrong)"));
    }
    m_budget.left -= bytes.size();
    return bytes;
}

} // namespace brisolant
