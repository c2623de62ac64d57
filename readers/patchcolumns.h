#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <span>

namespace brisolant {

// The columns of a patch list that Brisolant reads, each kind with the names
// that consoles, plot programs and spreadsheets give it, the one taken first
// where several match at the front. The patch-list reader, its refusal of a
// list without an address column, and --help take the names from here alone.
class PatchColumns final {
public:
    enum class Kind : std::uint8_t {
        Address,
        Universe,
        Name,
        Number,
        Channels,
        Maker,
        Type,
        Profile
    };
    static constexpr std::array kKinds = {Kind::Address, Kind::Universe, Kind::Name,
                                          Kind::Number,  Kind::Channels, Kind::Maker,
                                          Kind::Type,    Kind::Profile};

    [[nodiscard]] static std::span<const QStringView> names(Kind kind);

    // The names one after another: "Address, Start address, ... , Patch
    // Address", with lastSeparator before the last.
    [[nodiscard]] static QString listed(Kind kind, const QString& lastSeparator);
};

} // namespace brisolant
