#include "labelsheet.h"

#include <array>

namespace brisolant {

namespace {

constexpr qreal kPointsPerMillimetre = 72 / 25.4;
constexpr qreal kInch = 25.4;

using Content = LabelSheet::Content;

// The sheets as their makers publish them, from Avery's templates and
// product pages (avery.co.uk for A4, avery.com for US Letter): page, label,
// columns and rows, top left margin and pitch. Other makers sell the same
// layouts under their own numbers (Herma, Zweckform, Agipa). The tapes are
// the 12 and 24 mm widths of Brother's TZe and DYMO's D1 tapes; their length
// is this program's choice, room for a label's text beside its switch block.
const std::array<LabelSheet, 7> kSheets = {{
    // Avery L7160: 21 to an A4 sheet, 63.5 x 38.1 mm, 3 x 7; top margin
    // 15.15 mm, side margin 7.25 mm, pitch 66.0 x 38.1 mm.
    {"a4-63x38",
     QT_TRANSLATE_NOOP("LabelSheet", "A4, 21 labels of 63.5 × 38.1 mm (Avery L7160)"),
     {210, 297},
     {63.5, 38.1},
     3,
     7,
     {7.25, 15.15},
     {66.0, 38.1},
     Content::Full,
     false},
    // Avery L7163: 14 to an A4 sheet, 99.1 x 38.1 mm, 2 x 7; top margin
    // 15.15 mm, side margin 4.65 mm, pitch 101.6 x 38.1 mm.
    {"a4-99x38",
     QT_TRANSLATE_NOOP("LabelSheet", "A4, 14 labels of 99.1 × 38.1 mm (Avery L7163)"),
     {210, 297},
     {99.1, 38.1},
     2,
     7,
     {4.65, 15.15},
     {101.6, 38.1},
     Content::Full,
     false},
    // Avery L7651: 65 to an A4 sheet, 38.1 x 21.2 mm, 5 x 13; top margin
    // 10.7 mm, side margin 4.75 mm, pitch 40.6 x 21.2 mm.
    {"a4-38x21",
     QT_TRANSLATE_NOOP("LabelSheet", "A4, 65 labels of 38.1 × 21.2 mm (Avery L7651), small"),
     {210, 297},
     {38.1, 21.2},
     5,
     13,
     {4.75, 10.7},
     {40.6, 21.2},
     Content::Compact,
     false},
    // Avery 5160: 30 to a US Letter sheet, 2 5/8 x 1 in, 3 x 10; top margin
    // 1/2 in, side margin 3/16 in, pitch 2 3/4 x 1 in.
    {"letter-67x25",
     QT_TRANSLATE_NOOP("LabelSheet", "US Letter, 30 labels of 66.7 × 25.4 mm (Avery 5160)"),
     {8.5 * kInch, 11 * kInch},
     {2.625 * kInch, kInch},
     3,
     10,
     {0.1875 * kInch, 0.5 * kInch},
     {2.75 * kInch, kInch},
     Content::Full,
     false},
    // Avery 5163: 10 to a US Letter sheet, 4 x 2 in, 2 x 5; top margin 1/2 in,
    // side margin 5/32 in, pitch 4 3/16 x 2 in.
    {"letter-102x51",
     QT_TRANSLATE_NOOP("LabelSheet", "US Letter, 10 labels of 101.6 × 50.8 mm (Avery 5163)"),
     {8.5 * kInch, 11 * kInch},
     {4 * kInch, 2 * kInch},
     2,
     5,
     {0.15625 * kInch, 0.5 * kInch},
     {4.1875 * kInch, 2 * kInch},
     Content::Full,
     false},
    {"tape-12mm",
     QT_TRANSLATE_NOOP("LabelSheet", "Tape 12 mm wide, labels 40 mm long, small"),
     {40, 12},
     {40, 12},
     1,
     1,
     {0, 0},
     {40, 12},
     Content::Compact,
     true},
    {"tape-24mm",
     QT_TRANSLATE_NOOP("LabelSheet", "Tape 24 mm wide, labels 80 mm long"),
     {80, 24},
     {80, 24},
     1,
     1,
     {0, 0},
     {80, 24},
     Content::Full,
     true},
}};

} // namespace

std::span<const LabelSheet> LabelSheet::all() {
    return kSheets;
}

const LabelSheet* LabelSheet::named(QStringView name) {
    for (const LabelSheet& sheet : kSheets) {
        if (name.compare(QLatin1String(sheet.name), Qt::CaseInsensitive) == 0) {
            return &sheet;
        }
    }
    return nullptr;
}

QPageSize LabelSheet::pageSize() const {
    // A tape's page has its own name; a sheet's paper is A4 or Letter.
    return QPageSize(paper, QPageSize::Millimeter, tape ? QString::fromLatin1(name) : QString());
}

QRectF LabelSheet::cell(int slot) const {
    const int column = slot % columns;
    const int line = slot / columns;
    const QPointF corner(margin.x() + column * pitch.width(), margin.y() + line * pitch.height());
    return {corner * kPointsPerMillimetre, label * kPointsPerMillimetre};
}

QString LabelSheet::describe() const {
    return tr(description);
}

} // namespace brisolant
