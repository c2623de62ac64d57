#include "rig.h"

#include "chartrefused.h"
#include "riglimits.h"

#include <QCoreApplication>

namespace brisolant {

void Rig::checkCount(std::size_t count, std::string_view fileName) {
    if (count > riglimits::kMostFixtures) {
        throw ChartRefused(
            QCoreApplication::translate("Rig", "%1: more than %2 fixtures; no rig with address "
                                               "switches is that large.")
                .arg(QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size())),
                     QString::number(riglimits::kMostFixtures))
                .toStdString());
    }
}

void Rig::checkRoom(std::size_t more, std::string_view fileName) const {
    checkCount(fixtures.size() + more, fileName);
}

void Rig::refuse(const SwitchChart::Fixture& fixture, std::size_t place, const QString& why) {
    ChartMessage message;
    message.kind = ChartMessage::Kind::FixtureRefused;
    message.fixture = SwitchChart::nameOf(fixture, place);
    message.text = why.toStdString();
    throw ChartRefused(std::move(message));
}

void Rig::add(SwitchChart::Fixture fixture, std::string_view fileName) {
    checkCount(fixtures.size() + 1, fileName);
    fixtures.push_back(std::move(fixture));
}

void Rig::addBreaks(SwitchChart::Fixture&& fixture, const std::vector<Break>& breaks,
                    std::string_view fileName) {
    if (breaks.empty()) {
        add(std::move(fixture), fileName);
        return;
    }
    const auto patch = [&breaks](SwitchChart::Fixture& part, const Break& patched) {
        if (breaks.size() > 1) {
            part.name = partName(part.name, "break", static_cast<std::size_t>(patched.number));
        }
        part.universe = patched.address.universe;
        part.address = patched.address.address;
        part.channels = patched.channels;
        part.written.address = patched.written;
    };
    // Each part made in its place: a copy for each break but the last, the
    // fixture itself for the last, as most fixtures have one break.
    for (std::size_t i = 0; i + 1 < breaks.size(); ++i) {
        checkCount(fixtures.size() + 1, fileName);
        patch(fixtures.emplace_back(fixture), breaks[i]);
    }
    checkCount(fixtures.size() + 1, fileName);
    patch(fixtures.emplace_back(std::move(fixture)), breaks.back());
}

std::string Rig::partName(const std::string& name, std::string_view part, std::size_t number) {
    std::string named(part);
    named.append(" ").append(std::to_string(number));
    return name.empty() ? named : name + " (" + named + ")";
}

} // namespace brisolant
