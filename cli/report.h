#pragma once

#include "exitstatus.h"

#include <QString>

namespace brisolant::report {

// One line on standard error: "Brisolant: " and the message.
void line(const QString& message);

// Reports a usage error with a hint to --help; returns kRefused.
[[nodiscard]] ExitStatus usageError(const QString& what);

} // namespace brisolant::report
