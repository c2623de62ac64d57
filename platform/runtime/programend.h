#pragma once

namespace brisolant {

// Ends the program at once: no question, nothing saved.
class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    virtual void endProgram() = 0;
};

} // namespace brisolant
