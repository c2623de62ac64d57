#pragma once

#include <QString>

#include <cstdint>

namespace brisolant {

// A switch chart as the command line asks for it, before anything is read.
struct ChartRequest {
    enum class Source : std::uint8_t { List, Series, Patch };
    Source source = Source::List;
    // The option's value: the addresses, FIRST,CHANNELS,COUNT, or the file.
    QString value;
    // Empty: text on standard output.
    QString output;
    // Empty: after the locale.
    QString pageSize;
};

} // namespace brisolant
