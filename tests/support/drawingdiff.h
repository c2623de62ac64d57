#pragma once

// Two drawings of one thing compared as a person would look at them.
#include <QImage>

#include <cstdlib>

namespace drawingdiff {

// How many pixels of two drawings differ, but for anti-aliasing, which a
// smooth scaling to a quarter averages out.
inline int unlike(const QImage& one, const QImage& other) {
    const QImage a = one.scaled(one.size() / 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage b = other.scaled(a.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            count += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 96 ? 1 : 0;
        }
    }
    return count;
}

} // namespace drawingdiff
