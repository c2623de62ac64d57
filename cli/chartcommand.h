#pragma once

#include "chartrequest.h"

namespace brisolant {

// Makes a switch chart with no window: reads the fixtures from the request's
// source, has the core check and chart them, and writes text or a PDF. Nothing
// is written unless every fixture is charted, and an existing output file is
// replaced only by a complete new one.
class ChartCommand final {
public:
    explicit ChartCommand(ChartRequest request);

    // The exit status: CommandLine::kSuccess, kFailure (a file could not be
    // read or written) or kRefused, each failure with one line on stderr.
    [[nodiscard]] int run() const;

private:
    ChartRequest m_request;
};

} // namespace brisolant
