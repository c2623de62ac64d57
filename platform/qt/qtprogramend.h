#pragma once

#include "programend.h"

namespace brisolant {

// Leaves the application's event loop as soon as the running handler returns.
class QtProgramEnd final : public ProgramEnd {
public:
    void endProgram() override;
};

} // namespace brisolant
