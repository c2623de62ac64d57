#include "ziparchive.h"

#include <zip.h>

#include <algorithm>

namespace brisolant {

namespace {

[[noreturn]] void fail(zip_error_t* error) {
    const std::string what = zip_error_strerror(error);
    zip_error_fini(error);
    throw ZipArchive::Error(what);
}

} // namespace

ZipArchive::ZipArchive(const QByteArray& bytes, std::int64_t& budget)
    : m_budget(budget) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(
        bytes.constData(), static_cast<zip_uint64_t>(bytes.size()), 0, &error);
    if (source == nullptr) {
        fail(&error);
    }
    // Checked for consistency, so that an archive cut short is told as such.
    m_archive = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (m_archive == nullptr) {
        zip_source_free(source);
        fail(&error);
    }
    zip_error_fini(&error);
}

ZipArchive::~ZipArchive() {
    zip_discard(m_archive);
}

bool ZipArchive::looksLikeZip(const QByteArray& bytes) {
    return bytes.startsWith("PK\x03\x04") || bytes.startsWith("PK\x05\x06");
}

std::optional<QByteArray> ZipArchive::read(const QString& name) {
    const QByteArray encoded = name.toUtf8();
    zip_int64_t index = zip_name_locate(m_archive, encoded.constData(), ZIP_FL_ENC_GUESS);
    if (index < 0) {
        index = zip_name_locate(m_archive, encoded.constData(), ZIP_FL_NOCASE | ZIP_FL_ENC_GUESS);
    }
    if (index < 0) {
        return std::nullopt;
    }
    zip_file_t* file = zip_fopen_index(m_archive, static_cast<zip_uint64_t>(index), 0);
    if (file == nullptr) {
        throw Error(zip_strerror(m_archive));
    }
    // The sizes an archive states are not trusted: what inflates is counted.
    QByteArray bytes;
    constexpr zip_int64_t kChunk = 1 << 16;
    const std::int64_t limit = std::min(kLargestEntry, m_budget);
    for (;;) {
        const qsizetype used = bytes.size();
        bytes.resize(used + kChunk);
        const zip_int64_t read = zip_fread(file, bytes.data() + used, kChunk);
        if (read < 0) {
            const std::string what = zip_error_strerror(zip_file_get_error(file));
            zip_fclose(file);
            throw Error(what);
        }
        bytes.resize(used + read);
        if (bytes.size() > limit) {
            zip_fclose(file);
            throw Error(limit == kLargestEntry ? "an entry inflates past 64 MiB"
                                               : "the entries read inflate past 1 GiB in all");
        }
        if (read == 0) {
            break;
        }
    }
    zip_fclose(file);
    m_budget -= bytes.size();
    return bytes;
}

} // namespace brisolant
