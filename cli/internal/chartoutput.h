#pragma once

#include "exitstatus.h"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QString>

#include <cstdint>
#include <optional>

namespace brisolant {

// Where a chart goes, from --output: standard output for "-" or no name; a
// device, pipe or file descriptor (/dev/stdout, a FIFO, /dev/tty) written
// straight, as nothing can be renamed over it; any other file written beside
// itself and renamed over it only when complete, so that a failure leaves the
// old one as it was. Writing to a pipe nobody reads fails with EPIPE rather
// than ending the program.
class ChartOutput final {
public:
    explicit ChartOutput(const QString& name);

    // Whether writing it would overwrite the file at input ("-": standard
    // input): the same regular file, by another name or through a link too.
    [[nodiscard]] bool overwrites(const QString& input) const;

    // Opens it for writing; kFailure with one line on standard error if it
    // cannot be.
    [[nodiscard]] ExitStatus open();

    // The width of the terminal it is, or nothing where it is none.
    [[nodiscard]] std::optional<int> terminalColumns() const;

    // Writes the chart and puts it in place; kFailure with one line on
    // standard error if any of it fails.
    [[nodiscard]] ExitStatus write(const QByteArray& bytes);

private:
    enum class Kind : std::uint8_t { StandardOutput, Straight, Replaced };

    [[nodiscard]] ExitStatus failed(const QString& why) const;

    QString m_name;
    Kind m_kind;
    QFile m_straight;
    QSaveFile m_replaced;
};

} // namespace brisolant
