#include "textchart.h"

#include <QString>

#include <algorithm>

namespace brisolant {

QByteArray TextChart::render(const std::vector<SwitchChart::Row>& rows) {
    std::vector<QString> labels;
    labels.reserve(rows.size());
    qsizetype width = 0;
    for (const SwitchChart::Row& row : rows) {
        labels.push_back(row.name.empty() ? QString::number(row.number)
                                          : QString::fromStdString(row.name));
        width = std::max(width, labels.back().size());
    }
    QString text;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        // Pieces joined, not QString::arg, so a name with "%1" in it stays as it is.
        text += labels[i].leftJustified(width) + QStringLiteral("  ") +
                QString::number(rows[i].startAddress).rightJustified(3) + QStringLiteral("  ") +
                QString::fromStdString(rows[i].switchDigits()) + QStringLiteral("  ON: ") +
                QString::fromStdString(rows[i].onSwitches()) + u'\n';
    }
    return text.toUtf8();
}

} // namespace brisolant
