#include "patchcolumns.h"

namespace brisolant {

namespace {

constexpr std::array<QStringView, 8> kAddress = {u"Address",     u"Start address", u"DMX",
                                                 u"DMX Address", u"Dmxno",         u"DMX#",
                                                 u"Patch",       u"Patch Address"};
constexpr std::array<QStringView, 4> kUniverse = {u"Universe", u"Patch Universe", u"DMX Line",
                                                  u"Line"};
constexpr std::array<QStringView, 8> kName = {
    u"Name",      u"Fixture", u"Label",           u"Headname",
    u"Head name", u"Purpose", u"Instrument Type", u"Type"};
constexpr std::array<QStringView, 8> kNumber = {u"Channel", u"FID",  u"Fixture ID", u"Unit Number",
                                                u"Unit#",   u"Spot", u"Headno",     u"Head no"};
constexpr std::array<QStringView, 8> kChannels = {
    u"Channels", u"Num Channels", u"DMX Channels", u"# of Data Channels",
    u"Chans",    u"DMX Qty",      u"Footprint",    u"DMX Footprint"};
// What kind of fixture it is: Eos writes its maker and model apart, MagicQ
// its head type, the plot programs the instrument type.
constexpr std::array<QStringView, 2> kMaker = {u"Manufacturer", u"FIXTURE_MANUFACTURER"};
constexpr std::array<QStringView, 7> kType = {u"Fixture Type", u"Type",      u"Instrument Type",
                                              u"Headtype",     u"Head type", u"FIXTURE_MODEL",
                                              u"Model"};
constexpr std::array<QStringView, 1> kProfile = {u"Profile"};

} // namespace

std::span<const QStringView> PatchColumns::names(Kind kind) {
    switch (kind) {
    case Kind::Address:
        return kAddress;
    case Kind::Universe:
        return kUniverse;
    case Kind::Name:
        return kName;
    case Kind::Number:
        return kNumber;
    case Kind::Channels:
        return kChannels;
    case Kind::Maker:
        return kMaker;
    case Kind::Type:
        return kType;
    case Kind::Profile:
        break;
    }
    return kProfile;
}

QString PatchColumns::listed(Kind kind, const QString& lastSeparator) {
    const std::span<const QStringView> all = names(kind);
    QString text;
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (i > 0) {
            text += i + 1 == all.size() ? lastSeparator : QStringLiteral(", ");
        }
        text += all[i];
    }
    return text;
}

} // namespace brisolant
