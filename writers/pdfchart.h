#pragma once

#include "switchchart.h"

#include <QByteArray>
#include <QPageSize>
#include <QString>

#include <array>
#include <optional>

namespace brisolant {

// The chart as a printable PDF to take up the truss, its pages drawn by
// ChartPages as the chart window shows them; all text is real, searchable text.
class PdfChart final {
public:
    // The papers a chart is laid out for, in the order offered; --page-size
    // names them as QPageSize::key() does: A3, A4, A5, Letter, Legal.
    static constexpr std::array kPapers = {QPageSize::A3, QPageSize::A4, QPageSize::A5,
                                           QPageSize::Letter, QPageSize::Legal};

    // One of kPapers by its key, in any case; nothing for any other name.
    [[nodiscard]] static std::optional<QPageSize> pageSizeNamed(const QString& name);

    // The keys of kPapers in their order, ", " between them and lastSeparator
    // before the last: "A3, A4, A5, Letter or Legal".
    [[nodiscard]] static QString paperNames(const QString& lastSeparator);

    // The paper of the user's locale (LC_ALL, LC_PAPER, LANG): Letter where
    // Letter is the usual paper, A4 everywhere else.
    [[nodiscard]] static QPageSize localPageSize();

    // Needs a QGuiApplication for its fonts; any platform does, offscreen too.
    [[nodiscard]] static QByteArray render(const SwitchChart::Chart& chart, const QString& title,
                                           const QPageSize& pageSize);
};

} // namespace brisolant
