#pragma once

#include "switchchart.h"

#include <QByteArray>
#include <QPageSize>
#include <QString>

#include <optional>
#include <vector>

namespace brisolant {

// The chart as a printable PDF to take up the truss, its pages drawn by
// ChartPages as the chart window shows them; all text is real, searchable text.
class PdfChart final {
public:
    // A3, A4, A5, Letter or Legal, in any case; nothing for any other name.
    [[nodiscard]] static std::optional<QPageSize> pageSizeNamed(const QString& name);

    // The paper of the user's locale (LC_ALL, LC_PAPER, LANG): Letter where
    // Letter is the usual paper, A4 everywhere else.
    [[nodiscard]] static QPageSize localPageSize();

    // Needs a QGuiApplication for its fonts; any platform does, offscreen too.
    [[nodiscard]] static QByteArray render(const SwitchChart::Chart& chart, const QString& title,
                                           const QPageSize& pageSize);
};

} // namespace brisolant
