#include "runtimeerror.h"

namespace brisolant {

RuntimeError::RuntimeError(ErrorNumber number)
    : RuntimeError(number, standardDescription(number)) {}

RuntimeError::RuntimeError(ErrorNumber number, const std::string& description)
    : std::runtime_error(description)
    , m_number(number) {}

std::string RuntimeError::standardDescription(ErrorNumber number) {
    switch (number) {
    case ErrorNumber::Overflow:
        return "Overflow";
    case ErrorNumber::TypeMismatch:
        return "Type mismatch";
    case ErrorNumber::InvalidAddress:
        return "Invalid start address";
    }
    return "Run-time error " + std::to_string(static_cast<int>(number));
}

} // namespace brisolant
