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
            part.name += (part.name.empty() ? "break " : " (break ") +
                         std::to_string(patched.number) + (part.name.empty() ? "" : ")");
        }
        part.universe = patched.address.universe;
        part.address = patched.address.address;
        part.channels = patched.channels;
        fixtures.push_back(std::move(part));
    }
}

} // namespace brisolant
