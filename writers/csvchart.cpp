#include "csvchart.h"

#include <QString>

namespace brisolant {

namespace {

// The fields are UTF-8 already; they are written as they are, byte by byte.
void appendField(QByteArray& out, const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        out.append(text.data(), static_cast<qsizetype>(text.size()));
        return;
    }
    out.append('"');
    for (const char c : text) {
        out.append(c);
        if (c == '"') {
            out.append('"');
        }
    }
    out.append('"');
}

void appendNumber(QByteArray& out, long long number) {
    out.append(QByteArray::number(number));
}

} // namespace

QByteArray CsvChart::render(const SwitchChart::Chart& chart) {
    QByteArray out("Number,ID,Name,Universe,Address,Channels,Switches,ON\n");
    // A row is some 60 bytes and its name; reserved once, not grown row by row.
    out.reserve(out.size() + static_cast<qsizetype>(chart.rows.size()) * 96);
    for (const SwitchChart::Row& row : chart.rows) {
        appendNumber(out, static_cast<long long>(row.number));
        out.append(',');
        appendField(out, row.fixtureNumber);
        out.append(',');
        appendField(out, row.name);
        out.append(',');
        appendNumber(out, row.universe);
        out.append(',');
        appendNumber(out, row.startAddress);
        out.append(',');
        appendNumber(out, row.channels);
        out.append(',');
        // "010000000" as "0 1 0 0 0 0 0 0 0", which no spreadsheet takes for a number.
        for (std::size_t i = 0; i < row.on.size(); ++i) {
            out.append(i == 0 ? "" : " ").append(row.on.at(i) ? '1' : '0');
        }
        out.append(',');
        const std::string on = row.onSwitches();
        out.append(on.data(), static_cast<qsizetype>(on.size()));
        out.append('\n');
    }
    return out;
}

} // namespace brisolant
