#pragma once

#include "appinformation.h"
#include "clock.h"
#include "messagebox.h"
#include "programend.h"
#include "services.h"

#include <string>
#include <vector>

namespace brisolant::testing {

// Records every message instead of opening a modal box.
class RecordingMessageBox final : public MessageBox {
public:
    void show(std::string_view text) override { texts.emplace_back(text); }
    std::vector<std::string> texts;
};

class FixedAppInformation final : public AppInformation {
public:
    [[nodiscard]] std::string executableBaseName() const override { return name; }
    [[nodiscard]] std::int16_t major() const override { return majorNumber; }
    [[nodiscard]] std::int16_t minor() const override { return minorNumber; }
    [[nodiscard]] std::int16_t revision() const override { return revisionNumber; }

    std::string name = "Brisolant";
    std::int16_t majorNumber = 1;
    std::int16_t minorNumber = 3;
    std::int16_t revisionNumber = 0;
};

class FixedClock final : public Clock {
public:
    [[nodiscard]] int currentYear() const override { return year; }
    int year = 2026;
};

class CountingProgramEnd final : public ProgramEnd {
public:
    void endProgram() override { ++calls; }
    int calls = 0;
};

// Everything a test window needs, owned in one place.
struct FakeServices {
    RecordingMessageBox messageBox;
    FixedAppInformation appInformation;
    FixedClock clock;
    CountingProgramEnd programEnd;

    [[nodiscard]] WindowServices services() {
        return {messageBox, appInformation, clock, programEnd};
    }
};

} // namespace brisolant::testing
