#pragma once

#include "switchchart.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <optional>
#include <vector>

namespace brisolant {

// The fixtures' names as a chart's cells and the labels show them, in lines
// of one width in bold print of one size. A name too long for one line is
// wrapped at a blank onto a second, and one too long for two is shortened in
// the middle of the second, keeping its end, where consoles put the side and
// the number. Where that would give two different
// names the same lines, each keeps the place where they differ.
class NameLayout final {
    Q_DECLARE_TR_FUNCTIONS(NameLayout)

public:
    // Needs a QGuiApplication for its fonts.
    NameLayout(const std::vector<SwitchChart::Row>& rows, qreal width, qreal points);

    // The name of rows[row] as shown, one string a line.
    [[nodiscard]] const QStringList& lines(std::size_t row) const { return m_names.at(row); }

    // Whether the source named the fixture or gave it a number.
    [[nodiscard]] static bool isNamed(const SwitchChart::Row& row);
    // Its number and name, or where it has neither its place: "Fixture 3".
    [[nodiscard]] static QString nameOf(const SwitchChart::Row& row);

private:
    void layOut(const std::vector<SwitchChart::Row>& rows);
    void keepApart(const std::vector<SwitchChart::Row>& rows);

    qreal m_width;
    qreal m_points;
    std::vector<QStringList> m_names;
    // Per row, where its second line starts in the full name; nothing for a
    // name on one line.
    std::vector<std::optional<qsizetype>> m_secondLineStart;
};

} // namespace brisolant
