#include "csvchart.h"

#include <string>
#include <string_view>

namespace brisolant {

namespace {

// What starts a formula in one spreadsheet or another, and the apostrophe
// that marks text, so that a field of the file's own starting with one stays
// told apart from one made safe.
bool needsApostrophe(const std::string& text) {
    return !text.empty() && std::string_view("=+-@\t\r'").find(text.front()) != std::string::npos;
}

// The fields are UTF-8 already; they are written as they are, byte by byte.
void appendField(std::string& out, const std::string& text) {
    const char* const apostrophe = needsApostrophe(text) ? "'" : "";
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        out.append(apostrophe).append(text);
        return;
    }
    out.append(1, '"').append(apostrophe);
    for (const char c : text) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    out += '"';
}

} // namespace

QByteArray CsvChart::render(const SwitchChart::Chart& chart) {
    // Built in a std::string, whose appends are inline, and copied once.
    std::string out(kHeader);
    out += '\n';
    // A row is some 60 bytes and its name; reserved once, not grown row by row.
    out.reserve(out.size() + chart.rows.size() * 96);
    for (const SwitchChart::Row& row : chart.rows) {
        out += std::to_string(row.number);
        out += ',';
        appendField(out, row.fixtureNumber);
        out += ',';
        appendField(out, row.name);
        out += ',';
        out += std::to_string(row.universe);
        out += ',';
        out += std::to_string(row.startAddress);
        out += ',';
        out += std::to_string(row.channels);
        out += ',';
        // "010000000" as "0 1 0 0 0 0 0 0 0", which no spreadsheet takes for a number.
        const std::string digits = row.switchDigits();
        for (std::size_t i = 0; i < digits.size(); ++i) {
            out.append(i == 0 ? "" : " ").append(1, digits[i]);
        }
        out += ',';
        out += row.onSwitches();
        out += ',';
        appendField(out, row.profile->name);
        out += ',';
        appendField(out, row.setting());
        out += '\n';
    }
    return QByteArray::fromStdString(out);
}

} // namespace brisolant
