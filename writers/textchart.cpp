#include "textchart.h"

#include <QString>

#include <algorithm>

namespace brisolant {

QByteArray TextChart::render(const SwitchChart::Chart& chart) {
    std::vector<QString> labels;
    labels.reserve(chart.rows.size());
    qsizetype width = 0;
    qsizetype universeWidth = 0;
    for (const SwitchChart::Row& row : chart.rows) {
        labels.push_back(QString::fromStdString(row.label()));
        width = std::max(width, labels.back().size());
        universeWidth = std::max(universeWidth, QString::number(row.universe).size());
    }
    QString text;
    for (std::size_t i = 0; i < chart.rows.size(); ++i) {
        const SwitchChart::Row& row = chart.rows[i];
        const QString address = QString::number(row.startAddress);
        // Pieces joined, not QString::arg, so a name with "%1" in it stays as it is.
        text +=
            labels[i].leftJustified(width) + QStringLiteral("  ") +
            (chart.showsUniverses ? QString::number(row.universe).rightJustified(universeWidth) +
                                        u'/' + address.leftJustified(3)
                                  : address.rightJustified(3)) +
            QStringLiteral("  ") + QString::fromStdString(row.switchDigits()) +
            QStringLiteral("  ON: ") + QString::fromStdString(row.onSwitches()) + u'\n';
    }
    return text.toUtf8();
}

} // namespace brisolant
