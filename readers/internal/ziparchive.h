#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>

struct zip;

namespace brisolant {

// A zip archive held in memory, read with libzip: MVR show files and the GDTF
// files inside them. Every entry read counts against a budget shared by all
// archives read for one file, so that a hostile file cannot make Brisolant
// inflate without end.
class ZipArchive final {
public:
    // What cannot be read: not a zip, cut short, damaged, or too large.
    class Error final : public std::runtime_error {
    public:
        using std::runtime_error::runtime_error;
    };

    // Larger than any real show file or fixture description needs.
    static constexpr std::int64_t kLargestEntry = std::int64_t{64} << 20;
    // A budget for all entries read from one file and the archives inside it.
    static constexpr std::int64_t kLargestInAll = std::int64_t{1} << 30;

    // Opens the archive in bytes, which must outlive it. Throws Error.
    ZipArchive(const QByteArray& bytes, std::int64_t& budget);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;
    ZipArchive(ZipArchive&&) = delete;
    ZipArchive& operator=(ZipArchive&&) = delete;

    // Whether bytes begin as a zip archive does.
    [[nodiscard]] static bool looksLikeZip(const QByteArray& bytes);

    // The inflated bytes of the entry of that name, found with its case as
    // given or else in any case; nothing when there is no such entry. Throws
    // Error when it is damaged or inflates past kLargestEntry or the budget.
    [[nodiscard]] std::optional<QByteArray> read(const QString& name);

private:
    zip* m_archive = nullptr;
    std::int64_t& m_budget;
};

} // namespace brisolant
