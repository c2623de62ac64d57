#include "chartmessages.h"

#include "dmxlimits.h"

namespace brisolant {

namespace {

QString utf8(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

QString ChartMessages::name(const FixtureRef& fixture) {
    const QString number = utf8(fixture.number);
    const QString named = utf8(fixture.name);
    if (!named.isEmpty()) {
        // As the chart's first column shows it.
        return number.isEmpty() ? named : number + u' ' + named;
    }
    //: A fixture known only by its number in the file, or with no number by its place in the list.
    return tr("Fixture %1").arg(number.isEmpty() ? QString::number(fixture.place) : number);
}

QString ChartMessages::noteName(const FixtureRef& fixture) {
    return fixture.line > 0 ? tr("%1 (line %2)").arg(name(fixture), QString::number(fixture.line))
                            : name(fixture);
}

QString ChartMessages::refusalName(const FixtureRef& fixture) {
    const QString number = utf8(fixture.number);
    const QString named = utf8(fixture.name);
    QString who;
    if (named.isEmpty()) {
        who = name(fixture);
    } else if (number.isEmpty()) {
        //: A fixture known by its name, at the start of a refusal.
        who = tr("Fixture \"%1\"").arg(named);
    } else {
        //: A fixture known by its number and name, at the start of a refusal.
        who = tr("Fixture %1 \"%2\"").arg(number, named);
    }
    return fixture.line > 0 ? tr("%1 (line %2)").arg(who, QString::number(fixture.line)) : who;
}

QString ChartMessages::nothingSettable(const ChartMessage& message) {
    const int count = static_cast<int>(message.count);
    if (message.notPatched == message.count) {
        return count == 1
                   ? tr("Nothing to chart: the only fixture is not patched.")
                   : tr("Nothing to chart: none of the %n fixtures is patched.", nullptr, count);
    }
    if (message.notPatched == 0) {
        return count == 1 ? tr("Nothing to chart: the only fixture is at address 512, which "
                               "needs a tenth switch.")
                          : tr("Nothing to chart: all %n fixtures are at address 512, which "
                               "needs a tenth switch.",
                               nullptr, count);
    }
    //: %1 fixtures not patched and %2 at address 512, together the %n fixtures of the list.
    return tr("Nothing to chart: none of the %n fixtures can be set with nine switches: %1 not "
              "patched, %2 at address 512, which needs a tenth switch.",
              nullptr, count)
        .arg(message.notPatched)
        .arg(message.count - message.notPatched);
}

QString ChartMessages::refusalText(const ChartMessage& message) {
    using enum ChartMessage::Kind;
    const QString who = refusalName(message.fixture);
    const QString text = utf8(message.text);
    switch (message.kind) {
    case FixtureRefused:
        return tr("%1: %2").arg(who, text);
    case NotANotation:
        return tr("%1: start address \"%2\" is in none of the notations 17, 2/17, 2.17, 2-17, "
                  "2:17 or 2/17<32.")
            .arg(who, text);
    case NoStartAddress:
        return tr("%1: no start address.").arg(who);
    case UniverseBelowFirst:
        return tr("%1: universe %2; universes count from 1.").arg(who, text);
    case UniverseAboveLast:
        return tr("%1: universe %2; universes count up to %3.")
            .arg(who, text, QString::number(dmx::kLastUniverse));
    case AddressBelowFirst:
        return tr("%1: start address %2 is below 1; DMX channels start at 1.").arg(who, text);
    case AddressPastUniverse:
        return tr("%1: start address %2 lies past 512, the last channel of a universe.")
            .arg(who, text);
    case AddressPastUniverses:
        return tr("%1: start address %2 is above 511 and, counted across universes, lies past "
                  "universe %3.")
            .arg(who, text, QString::number(dmx::kLastUniverse));
    case AddressAboveSwitches:
        return tr("%1: start address %2 is above 511, the highest nine switches can set.")
            .arg(who, text);
    case UnknownProfile:
        return tr("%1: no addressing profile is called \"%2\".").arg(who, text);
    case AddressAboveProfile:
        return tr("%1: start address %2 is above %3, the highest its profile %4 sets.")
            .arg(who, text, QString::number(message.first), utf8(message.profile));
    case AddressOffProfileStep:
        return tr("%1: start address %2 is not one its profile %3 sets, %4 + %5 \u00d7 k.")
            .arg(who, text, utf8(message.profile), QString::number(message.first),
                 QString::number(message.last));
    case ChannelsBelowOne:
        return tr("%1: %2 channels; a fixture takes at least 1.").arg(who, text);
    case ChannelsPastUniverse:
        return message.last > 0 ? tr("%1: its %2 channels run from %3 to %4, past 512.")
                                      .arg(who, text, QString::number(message.first),
                                           QString::number(message.last))
                                : tr("%1: its %2 channels run from %3 past 512.")
                                      .arg(who, text, QString::number(message.first));
    default:
        return {};
    }
}

QString ChartMessages::text(const ChartMessage& message) {
    using enum ChartMessage::Kind;
    switch (message.kind) {
    case NoFixtures:
        return tr("Nothing to chart: no fixture was given.");
    case NothingSettable:
        return nothingSettable(message);
    case NothingAsProfiled:
        //: %1 fixtures not patched and %2 at addresses their profiles cannot set, together the %n
        //: fixtures of the list.
        return tr("Nothing to chart: none of the %n fixtures can be set as its profile says: %1 "
                  "not patched, %2 at addresses their profiles cannot set.",
                  nullptr, static_cast<int>(message.count))
            .arg(message.notPatched)
            .arg(message.count - message.notPatched);
    case NotPatched:
        return tr("%1 left out: not patched.").arg(noteName(message.fixture));
    case NeedsTenthSwitch:
        return tr("%1 left out: 512 needs a tenth switch.").arg(noteName(message.fixture));
    case AboveProfile:
        return tr("%1 left out: start address %2 is above %3, the highest its profile %4 sets.")
            .arg(noteName(message.fixture), utf8(message.text), QString::number(message.first),
                 utf8(message.profile));
    case OffProfileStep:
        return tr("%1 left out: start address %2 is not one its profile %3 sets, %4 + %5 \u00d7 "
                  "k.")
            .arg(noteName(message.fixture), utf8(message.text), utf8(message.profile),
                 QString::number(message.first), QString::number(message.last));
    case SharedChannels: {
        const QString one = noteName(message.fixture);
        const QString two = noteName(message.other);
        const QString universe = QString::number(message.universe);
        return message.first == message.last
                   ? tr("warning: %1 and %2 share channel %3 of universe %4.")
                         .arg(one, two, QString::number(message.first), universe)
                   : tr("warning: %1 and %2 share channels %3\u2013%4 of universe %5.")
                         .arg(one, two, QString::number(message.first),
                              QString::number(message.last), universe);
    }
    case MoreSharedPairs:
        return message.count == 1 ? tr("warning: 1 more pair of fixtures shares channels.")
                                  : tr("warning: %n more pairs of fixtures share channels.",
                                       nullptr, static_cast<int>(message.count));
    default:
        return refusalText(message);
    }
}

QString ChartMessages::refusal(const ChartRefused& refused) {
    return refused.message() != nullptr ? text(*refused.message())
                                        : QString::fromStdString(refused.what());
}

QStringList ChartMessages::notes(const SwitchChart::Chart& chart) {
    QStringList lines;
    for (const auto* messages : {&chart.leftOut, &chart.warnings}) {
        for (const ChartMessage& message : *messages) {
            lines.append(text(message));
        }
    }
    return lines;
}

} // namespace brisolant
