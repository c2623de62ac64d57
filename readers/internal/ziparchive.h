#pragma once

#include "readcontrol.h"
#include "riglimits.h"

#include <QByteArray>
#include <QString>

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
    // What cannot be read: not a zip, cut short, damaged, or too large,
    // naming the entry where it is one. what() is one line for the user.
    class Error final : public std::runtime_error {
    public:
        using std::runtime_error::runtime_error;
    };

    // Opens the archive in bytes and lists its entries, in time in
    // proportion to its directory, up to riglimits::kMostZipEntries of them.
    // Throws Error. With a control, throws ReadCancelled once it is
    // cancelled while entries inflate.
    ZipArchive(const QByteArray& bytes, riglimits::InflateBudget& budget,
               const ReadControl* control = nullptr);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;
    ZipArchive(ZipArchive&&) = delete;
    ZipArchive& operator=(ZipArchive&&) = delete;

    // Whether bytes begin as a zip archive does.
    [[nodiscard]] static bool looksLikeZip(QByteArrayView bytes);

    // Opens the entry of that name, found with its case as given or else in
    // any case, to be read with read(); false when there is no such entry.
    // Throws Error when it is encrypted or compressed in a way minizip does
    // not read.
    [[nodiscard]] bool open(const QString& name);
    // The next inflated bytes of the entry opened, at most room of them; 0
    // at its end, once its checksum is found right. Throws Error when it is
    // damaged or inflates past riglimits::kLargestZipEntry or what is left
    // of the budget.
    [[nodiscard]] qsizetype read(char* buffer, qsizetype room);
    // How large the entry opened says it is, for telling progress only.
    [[nodiscard]] std::int64_t statedSize() const { return m_statedSize; }

    // The inflated bytes of the entry of that name, whole, as read() gives
    // them; nothing when there is no such entry.
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
    void listEntries();
    [[noreturn]] void fail(const QString& what);

    Stream m_stream;
    void* m_zip = nullptr;
    riglimits::InflateBudget& m_budget;
    const ReadControl* m_control;
    std::map<QString, Place> m_named;   // by name as written
    std::map<QString, Place> m_anyCase; // by name case-folded, the first of each
    // The entry open, and what of it has inflated.
    QString m_entry;
    bool m_open = false;
    std::int64_t m_inflated = 0;
    std::int64_t m_limit = 0;
    std::int64_t m_statedSize = 0;
};

} // namespace brisolant
