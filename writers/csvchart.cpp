#include "csvchart.h"

#include <QString>

namespace brisolant {

namespace {

QString field(const std::string& text) {
    QString value = QString::fromStdString(text);
    if (value.contains(u',') || value.contains(u'"') || value.contains(u'\n') ||
        value.contains(u'\r')) {
        value = u'"' + value.replace(u'"', QStringLiteral("\"\"")) + u'"';
    }
    return value;
}

// "010000000" as "0 1 0 0 0 0 0 0 0", which no spreadsheet takes for a number.
QString spaced(const std::string& digits) {
    QString text;
    for (const char digit : digits) {
        text += (text.isEmpty() ? QString() : QStringLiteral(" ")) + QChar::fromLatin1(digit);
    }
    return text;
}

} // namespace

QByteArray CsvChart::render(const SwitchChart::Chart& chart) {
    QString text = QStringLiteral("Number,ID,Name,Universe,Address,Channels,Switches,ON\n");
    for (const SwitchChart::Row& row : chart.rows) {
        text += QString::number(row.number) + u',' + field(row.fixtureNumber) + u',' +
                field(row.name) + u',' + QString::number(row.universe) + u',' +
                QString::number(row.startAddress) + u',' + QString::number(row.channels) + u',' +
                spaced(row.switchDigits()) + u',' + QString::fromStdString(row.onSwitches()) +
                u'\n';
    }
    return text.toUtf8();
}

} // namespace brisolant
