#pragma once

#include <QByteArray>
#include <QString>

#include "riglimits.h"

#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>

namespace brisolant {

// A zip archive held in memory, read with minizip (which needs only zlib, as
// Qt does): MVR show files and the GDTF files inside them. Every entry read
// counts against a budget shared by all archives read for one file, so that
// a hostile file cannot make Brisolant inflate without end; the sizes an
// archive states are never trusted, what inflates is counted as it comes.
class ZipArchive final {
public:
    // What cannot be read: not a zip, cut short, damaged, or too large. what()
    // is one line for the user.
    class Error final : public std::runtime_error {
    public:
        using std::runtime_error::runtime_error;
    };

    // Opens the archive in bytes and lists its entries, in time in
    // proportion to its directory. Throws Error.
    ZipArchive(const QByteArray& bytes, riglimits::InflateBudget& budget);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;
    ZipArchive(ZipArchive&&) = delete;
    ZipArchive& operator=(ZipArchive&&) = delete;

    // Whether bytes begin as a zip archive does.
    [[nodiscard]] static bool looksLikeZip(QByteArrayView bytes);

    // The inflated bytes of the entry of that name, found with its case as
    // given or else in any case; nothing when there is no such entry. Throws
    // Error when it is damaged or inflates past riglimits::kLargestZipEntry or
    // what is left of the budget.
    [[nodiscard]] std::optional<QByteArray> read(const QString& name);

    // minizip reads the archive through these.
    struct Stream {
        QByteArray bytes;
        std::uint64_t position = 0;
    };
    // Where an entry's header lies, as minizip finds it again.
    struct Place {
        std::uint64_t directoryOffset = 0;
        std::uint64_t number = 0;
    };

private:
    Stream m_stream;
    void* m_zip = nullptr;
    riglimits::InflateBudget& m_budget;
    std::map<QString, Place> m_named;   // by name as written
    std::map<QString, Place> m_anyCase; // by name case-folded, the first of each
};

} // namespace brisolant
