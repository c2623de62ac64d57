#include "textchart.h"

#include <QString>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace brisolant {

namespace {

// The chart's cells, one of each per row.
struct TextCells {
    std::vector<QString> labels;
    std::vector<QString> addresses;
    std::vector<QString> switches;
    std::vector<QString> on;
};

qsizetype widest(const std::vector<QString>& texts) {
    qsizetype width = 0;
    for (const QString& text : texts) {
        width = std::max(width, text.size());
    }
    return width;
}

// The widest universe number of the chart, in digits.
std::size_t universeWidthOf(const SwitchChart::Chart& chart) {
    int highest = 1;
    for (const SwitchChart::Row& row : chart.rows) {
        highest = std::max(highest, row.universe);
    }
    return std::to_string(highest).size();
}

// The address column's cell: "100" right-aligned in three places, or with
// the universe, aligned on the "/": " 2/17 ".
std::string addressCell(const SwitchChart::Row& row, bool showsUniverses,
                        std::size_t universeWidth) {
    const std::string address = std::to_string(row.startAddress);
    if (!showsUniverses) {
        return std::string(3 - std::min<std::size_t>(address.size(), 3), ' ') + address;
    }
    const std::string universe = std::to_string(row.universe);
    return std::string(universeWidth - std::min(universe.size(), universeWidth), ' ') + universe +
           '/' + address + std::string(3 - std::min<std::size_t>(address.size(), 3), ' ');
}

// What to set: the switches ON, the dials' digits or the display's text.
std::string onCell(const SwitchChart::Row& row) {
    switch (row.profile->kind) {
    case AddressProfile::Kind::Dials:
        return "dials: " + row.setting();
    case AddressProfile::Kind::Display:
        return "display: " + row.setting();
    case AddressProfile::Kind::Switches:
        break;
    }
    return "ON: " + row.onSwitches();
}

// The switches' digits padded to the chart's most switches, so that the
// next column starts in one place.
std::string switchesCell(const SwitchChart::Row& row, std::size_t width) {
    std::string digits = row.switchDigits();
    digits.append(width - std::min(width, digits.size()), ' ');
    return digits;
}

std::size_t mostSwitchesOf(const SwitchChart::Chart& chart) {
    std::size_t most = 0;
    for (const SwitchChart::Row& row : chart.rows) {
        most = std::max(most, row.hasSwitches() ? row.profile->switches.size() : 0);
    }
    return most;
}

TextCells cellsOf(const SwitchChart::Chart& chart) {
    const std::size_t universeWidth = universeWidthOf(chart);
    const std::size_t mostSwitches = mostSwitchesOf(chart);
    TextCells cells;
    for (const SwitchChart::Row& row : chart.rows) {
        // Pieces joined, not QString::arg, so a name with "%1" in it stays as it is.
        cells.labels.push_back(QString::fromStdString(row.label()));
        cells.addresses.push_back(
            QString::fromStdString(addressCell(row, chart.showsUniverses, universeWidth)));
        cells.switches.push_back(QString::fromStdString(switchesCell(row, mostSwitches)));
        cells.on.push_back(QString::fromStdString(onCell(row)));
    }
    return cells;
}

// One line of the chart: the cells two blanks apart, the label followed by
// padding blanks more.
void appendLine(std::string& out, std::string_view label, std::size_t padding,
                std::string_view address, std::string_view switches, std::string_view on) {
    out.append(label).append(padding + 2, ' ').append(address).append("  ");
    out.append(switches).append("  ").append(on).push_back('\n');
}

// The text cut to width characters in the middle, never inside a character of
// two UTF-16 units. Two thirds are the end: where a name has what tells it from
// its neighbours ("#2 Links"), while its start keeps the number.
QString shortened(const QString& text, qsizetype width) {
    if (text.size() <= width) {
        return text;
    }
    qsizetype tail = (width - 1) * 2 / 3;
    qsizetype head = width - 1 - tail;
    head -= text.at(head).isLowSurrogate() ? 1 : 0;
    tail -= text.at(text.size() - tail).isLowSurrogate() ? 1 : 0;
    return text.left(head) + u'\u2026' + text.right(tail);
}

// How many UTF-16 units the UTF-8 text takes, as QString counts them.
qsizetype utf16Length(std::string_view utf8) {
    qsizetype units = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        units += (byte & 0xC0) != 0x80 ? 1 : 0; // each character's first byte
        units += byte >= 0xF0 ? 1 : 0;          // beyond the BMP: a surrogate pair
    }
    return units;
}

} // namespace

QByteArray TextChart::render(const SwitchChart::Chart& chart) {
    // Written straight as UTF-8, as the labels already are: a list of
    // thousands of fixtures would otherwise spend most of its time on a
    // dozen strings a row. Columns are padded by UTF-16 units, as on a
    // terminal.
    std::vector<std::string> labels;
    labels.reserve(chart.rows.size());
    qsizetype labelWidth = 0;
    for (const SwitchChart::Row& row : chart.rows) {
        labels.push_back(row.label());
        labelWidth = std::max(labelWidth, utf16Length(labels.back()));
    }
    const std::size_t universeWidth = universeWidthOf(chart);
    const std::size_t mostSwitches = mostSwitchesOf(chart);
    // Built in a std::string, whose appends are inline, and copied once.
    std::string out;
    out.reserve(chart.rows.size() * static_cast<std::size_t>(labelWidth + 40));
    for (std::size_t i = 0; i < chart.rows.size(); ++i) {
        const SwitchChart::Row& row = chart.rows[i];
        appendLine(out, labels[i], static_cast<std::size_t>(labelWidth - utf16Length(labels[i])),
                   addressCell(row, chart.showsUniverses, universeWidth),
                   switchesCell(row, mostSwitches), onCell(row));
    }
    return QByteArray::fromStdString(out);
}

QByteArray TextChart::renderForTerminal(const SwitchChart::Chart& chart, int columns) {
    // A label never narrower than this, however narrow the terminal.
    constexpr qsizetype kNarrowestLabel = 12;
    const TextCells cells = cellsOf(chart);
    const QString fixtureHeading = tr("Fixture");
    //: Heads the column of start addresses, "17" or with the universe "2/17".
    const QString addressHeading = tr("Address");
    const std::size_t mostSwitches = mostSwitchesOf(chart);
    //: Heads the column of the nine switches, 1 for ON and 0 for OFF, switch 1 first.
    const QString switchesHeading =
        mostSwitches == 9 ? tr("Switches 1–9")
                          //: Heads the column of each fixture's switches, 1 for ON and 0 for OFF,
                          //: switch 1 first; %1 the most any fixture has.
                          : tr("Switches 1–%1").arg(mostSwitches);
    //: Heads the column that lists the switches to turn ON.
    const QString onHeading = tr("ON");
    const qsizetype addressWidth = std::max(widest(cells.addresses), addressHeading.size());
    const qsizetype switchesWidth = std::max(widest(cells.switches), switchesHeading.size());
    const qsizetype rest =
        addressWidth + switchesWidth + std::max(widest(cells.on), onHeading.size()) + 6;
    const qsizetype labelWidth =
        std::max({std::min(widest(cells.labels), columns - rest), fixtureHeading.size(),
                  std::min(kNarrowestLabel, widest(cells.labels))});
    // The cells padded here, by UTF-16 units as the terminal counts them.
    std::string text;
    appendLine(text, fixtureHeading.leftJustified(labelWidth).toStdString(), 0,
               addressHeading.rightJustified(addressWidth).toStdString(),
               switchesHeading.leftJustified(switchesWidth).toStdString(), onHeading.toStdString());
    for (std::size_t i = 0; i < chart.rows.size(); ++i) {
        appendLine(text,
                   shortened(cells.labels[i], labelWidth).leftJustified(labelWidth).toStdString(),
                   0, cells.addresses[i].rightJustified(addressWidth).toStdString(),
                   cells.switches[i].leftJustified(switchesWidth).toStdString(),
                   cells.on[i].toStdString());
    }
    return QByteArray::fromStdString(text);
}

} // namespace brisolant
