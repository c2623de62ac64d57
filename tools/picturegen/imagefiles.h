#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Encoders for the picture files, each returning the whole file. BMP and ICO are written byte by
// byte because the program needs 32-bit bitmaps and a 24-bit icon, which Qt's writers do not
// promise.
namespace ImageFiles {

// Windows bitmap, BITMAPINFOHEADER, 32 bits per pixel, BI_RGB, bottom-up.
[[nodiscard]] QByteArray bmp32(const QImage& source);

// Windows icon holding one 24-bit image with its 1-bit transparency mask.
[[nodiscard]] QByteArray ico24(const QImage& source);

// Baseline (sequential) JPEG with three colour components.
[[nodiscard]] QByteArray jpeg(const QImage& image, int quality);

[[nodiscard]] QByteArray png(const QImage& image);

[[nodiscard]] bool save(const QString& path, const QByteArray& bytes);

} // namespace ImageFiles
