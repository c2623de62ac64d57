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
    // Empty or "-": standard output.
    QString output;
    // text, csv or pdf; empty: as the output's name says, else text.
    QString format;
    // Empty: after the locale.
    QString pageSize;
    // --labels: the sheet's name; empty for a chart.
    QString labels;
    // --labels-start as typed; empty: the first label.
    QString labelsStart;
    // --order: list or address; empty: as listed.
    QString order;
    // --universe-map: a map of each universe after the chart.
    bool universeMap = false;
    // The profile file; empty: the user's. The profile of every fixture no
    // rule names; empty: dip9.
    QString profiles;
    QString profile;
};

} // namespace brisolant
