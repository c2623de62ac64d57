#pragma once

#include <QCoreApplication>
#include <QPageSize>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringView>

#include <cstddef>
#include <cstdint>
#include <span>

namespace brisolant {

// A sheet of labels as its maker publishes it, or a tape for a label printer:
// the paper, where the labels sit on it, and what a label holds. All lengths
// in millimetres.
struct LabelSheet {
    Q_DECLARE_TR_FUNCTIONS(LabelSheet)

public:
    // What a label holds. Full: the fixture's number and name, universe and
    // address, switch block, channels and the file's name. Compact: number,
    // address and switch block only, for the smallest labels.
    enum class Content : std::uint8_t { Full, Compact };

    // As the command line and the window name it: the paper and the label's
    // size, "a4-63x38", or the tape's width, "tape-12mm".
    const char* name = nullptr;
    // For people, translated: "A4, 21 labels of 63.5 × 38.1 mm (Avery L7160)".
    const char* description = nullptr;
    // The paper; for a tape, one label, its length across.
    QSizeF paper;
    QSizeF label;
    int columns = 1;
    int rows = 1;
    // The first label's top left corner, and from one label's corner to the
    // next one's across and down.
    QPointF margin;
    QSizeF pitch;
    Content content = Content::Full;
    // Continuous tape, one label a page: it has no place to start at.
    bool tape = false;

    // Every sheet, in the order --help lists them.
    [[nodiscard]] static std::span<const LabelSheet> all();
    // The sheet of this name, in any case; nullptr for none.
    [[nodiscard]] static const LabelSheet* named(QStringView name);

    [[nodiscard]] int labelsPerPage() const { return columns * rows; }
    [[nodiscard]] QPageSize pageSize() const;
    // The label in slot (from 0, across and then down) in points from the
    // page's top left corner.
    [[nodiscard]] QRectF cell(int slot) const;
    // The description in the user's language.
    [[nodiscard]] QString describe() const;
};

} // namespace brisolant
