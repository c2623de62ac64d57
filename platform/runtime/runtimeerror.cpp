#include "runtimeerror.h"

#include "translatable.h"

namespace brisolant {

RuntimeError::RuntimeError(ErrorNumber number)
    : RuntimeError(number, standardDescription(number)) {}

RuntimeError::RuntimeError(ErrorNumber number, const std::string& description)
    : std::runtime_error(description)
    , m_number(number) {}

std::string RuntimeError::standardDescription(ErrorNumber number) {
    switch (number) {
    case ErrorNumber::Overflow:
        return translatable("brisolant::RuntimeError", "Overflow");
    case ErrorNumber::TypeMismatch:
        return translatable("brisolant::RuntimeError", "Type mismatch");
    case ErrorNumber::InvalidAddress:
        return translatable("brisolant::RuntimeError", "Invalid start address");
    }
    return "Run-time error " + std::to_string(static_cast<int>(number));
}

} // namespace brisolant
