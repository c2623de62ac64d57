#pragma once

#include "switchchart.h"

#include <QByteArray>
#include <QPageSize>
#include <QString>

#include <optional>
#include <vector>

namespace brisolant {

// The chart as a printable PDF to take up the truss: per fixture its name, its
// universe and start address in large print, a drawing of the nine-switch block with the
// ON levers plain to see, and the ON switch numbers as text. As many fixtures
// to a page as fit, in the order given; all text is real, searchable text.
// A fixture that shares channels with another is marked on its cell.
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
