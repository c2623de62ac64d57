#include "pixelfont.h"

#include <array>
#include <string_view>

namespace {

struct Glyph {
    char c = 0;
    std::array<std::string_view, PixelFont::height> rows;
};

// clang-format off
constexpr std::array glyphs{
    Glyph{'D', {"###.", "#..#", "#..#", "#..#", "###."}},
    Glyph{'M', {"#...#", "##.##", "#.#.#", "#...#", "#...#"}},
    Glyph{'X', {"#...#", ".#.#.", "..#..", ".#.#.", "#...#"}},
    Glyph{'1', {".#.", "##.", ".#.", ".#.", "###"}},
    Glyph{'2', {"###", "..#", "###", "#..", "###"}},
    Glyph{'3', {"###", "..#", ".##", "..#", "###"}},
    Glyph{'4', {"#.#", "#.#", "###", "..#", "..#"}},
};
// clang-format on

const Glyph* find(QChar c) {
    for (const Glyph& g : glyphs) {
        if (QChar(QLatin1Char(g.c)) == c) {
            return &g;
        }
    }
    return nullptr;
}

} // namespace

int PixelFont::glyphWidth(QChar c) {
    const Glyph* g = find(c);
    return g ? static_cast<int>(g->rows[0].size()) : 0;
}

int PixelFont::textWidth(const QString& text) {
    int width = 0;
    for (QChar c : text) {
        width += glyphWidth(c);
    }
    return text.isEmpty() ? 0 : width + static_cast<int>(text.size()) - 1;
}

std::vector<QRect> PixelFont::runs(const QString& text, QPoint topLeft) {
    std::vector<QRect> result;
    int x0 = topLeft.x();
    for (QChar c : text) {
        const Glyph* g = find(c);
        if (!g) {
            continue;
        }
        for (int row = 0; row < height; ++row) {
            const std::string_view line = g->rows[static_cast<std::size_t>(row)];
            int col = 0;
            const int n = static_cast<int>(line.size());
            while (col < n) {
                if (line[static_cast<std::size_t>(col)] != '#') {
                    ++col;
                    continue;
                }
                const int start = col;
                while (col < n && line[static_cast<std::size_t>(col)] == '#') {
                    ++col;
                }
                result.emplace_back(x0 + start, topLeft.y() + row, col - start, 1);
            }
        }
        x0 += glyphWidth(c) + 1;
    }
    return result;
}
