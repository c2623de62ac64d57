#include "rig.h"

namespace brisolant {

void Rig::addBreaks(const SwitchChart::Fixture& fixture, const std::vector<Break>& breaks) {
    if (breaks.empty()) {
        fixtures.push_back(fixture);
        return;
    }
    for (const Break& patched : breaks) {
        SwitchChart::Fixture part = fixture;
        if (breaks.size() > 1) {
            part.name = partName(part.name, "break", static_cast<std::size_t>(patched.number));
        }
        part.universe = patched.address.universe;
        part.address = patched.address.address;
        part.channels = patched.channels;
        part.written.address = patched.written;
        fixtures.push_back(std::move(part));
    }
}

std::string Rig::partName(const std::string& name, std::string_view part, std::size_t number) {
    std::string named(part);
    named.append(" ").append(std::to_string(number));
    return name.empty() ? named : name + " (" + named + ")";
}

} // namespace brisolant
