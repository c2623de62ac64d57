#pragma once

#include "exitstatus.h"

#include <QString>
#include <QStringList>

#include <cstdio>

namespace brisolant::report {

// The text and a line break on the stream, in UTF-8.
void print(std::FILE* stream, const QString& text);

// One line on standard error: "Brisolant: " and the message.
void line(const QString& message);

// Each message as line() writes it, all in one write: standard error is
// unbuffered, and a chart may say a thousand things.
void lines(const QStringList& messages);

// Reports a usage error with a hint to --help; returns kRefused.
[[nodiscard]] ExitStatus usageError(const QString& what);

} // namespace brisolant::report
