#pragma once

#include <stdexcept>
#include <string>

namespace brisolant {

// The numbered run-time errors the program can raise. The numbers are the ones
// a user may quote back to us, so they never change.
enum class ErrorNumber : int {
    Overflow = 6,
    TypeMismatch = 13,
    InvalidAddress = 380,
};

// One exception type for every numbered error. Routines throw it and catch
// nothing; whatever they did before the throw stays done.
class RuntimeError final : public std::runtime_error {
public:
    explicit RuntimeError(ErrorNumber number);
    RuntimeError(ErrorNumber number, const std::string& description);

    [[nodiscard]] ErrorNumber number() const noexcept { return m_number; }
    [[nodiscard]] int code() const noexcept { return static_cast<int>(m_number); }

    // The plain English name of an error number: "Overflow", "Type mismatch";
    // marked for translation in the context "brisolant::RuntimeError".
    [[nodiscard]] static std::string standardDescription(ErrorNumber number);

private:
    ErrorNumber m_number;
};

} // namespace brisolant
