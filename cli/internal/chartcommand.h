#pragma once

#include "chartrequest.h"
#include "exitstatus.h"

namespace brisolant {

// Makes a switch chart with no window: reads the fixtures from the request's
// source, has the core check and chart them, and writes text, CSV or a PDF. Nothing
// is written unless every fixture is charted, and an existing output file is
// replaced only by a complete new one.
class ChartCommand final {
public:
    explicit ChartCommand(ChartRequest request);

    // The exit status: kSuccess, kFailure (a file could not be read or
    // written) or kRefused, each failure with one line on stderr. Fixtures
    // left out and fixtures that share channels are named there too, one
    // line each, and the chart is still made.
    [[nodiscard]] ExitStatus run() const;

private:
    ChartRequest m_request;
};

} // namespace brisolant
