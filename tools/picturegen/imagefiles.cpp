#include "imagefiles.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>

#include <cstdint>

namespace ImageFiles {

namespace {

void put16(QByteArray& out, std::uint16_t v) {
    out.append(static_cast<char>(v & 0xffu));
    out.append(static_cast<char>(v >> 8));
}

void put32(QByteArray& out, std::uint32_t v) {
    put16(out, static_cast<std::uint16_t>(v & 0xffffu));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

int paddedRow(int bytes) {
    return (bytes + 3) & ~3;
}

void putInfoHeader(QByteArray& out, int width, int height, int bits, std::uint32_t imageSize,
                   std::uint32_t pixelsPerMeter) {
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));
    put16(out, 1);
    put16(out, static_cast<std::uint16_t>(bits));
    put32(out, 0); // BI_RGB
    put32(out, imageSize);
    put32(out, pixelsPerMeter);
    put32(out, pixelsPerMeter);
    put32(out, 0);
    put32(out, 0);
}

QByteArray encode(const QImage& image, const char* format, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (quality >= 0) {
        writer.setQuality(quality);
    }
    writer.setProgressiveScanWrite(false);
    writer.setOptimizedWrite(false);
    if (!writer.write(image)) {
        return {};
    }
    return bytes;
}

} // namespace

QByteArray bmp32(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int w = image.width();
    const int h = image.height();
    const auto pixelBytes = static_cast<std::uint32_t>(w * h * 4);
    constexpr std::uint32_t headers = 14 + 40;

    QByteArray out;
    out.append("BM", 2);
    put32(out, headers + pixelBytes);
    put32(out, 0);
    put32(out, headers);
    putInfoHeader(out, w, h, 32, pixelBytes, 3780);
    for (int y = h - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            out.append(static_cast<char>(qBlue(line[x])));
            out.append(static_cast<char>(qGreen(line[x])));
            out.append(static_cast<char>(qRed(line[x])));
            // The fourth byte is unused in a BI_RGB bitmap; zero keeps alpha-guessing readers
            // from taking it for transparency.
            out.append('\0');
        }
    }
    return out;
}

QByteArray ico24(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();
    const int xorRow = paddedRow(w * 3);
    const int andRow = paddedRow((w + 7) / 8);
    const auto imageBytes = static_cast<std::uint32_t>((xorRow + andRow) * h);
    const std::uint32_t resourceBytes = 40 + imageBytes;

    QByteArray out;
    put16(out, 0);
    put16(out, 1); // icon
    put16(out, 1); // one image
    out.append(static_cast<char>(w & 0xff));
    out.append(static_cast<char>(h & 0xff));
    out.append('\0'); // no palette
    out.append('\0');
    put16(out, 1);
    put16(out, 24);
    put32(out, resourceBytes);
    put32(out, 6 + 16);

    // The bitmap counts the colour and the mask rows together, hence twice the height.
    putInfoHeader(out, w, 2 * h, 24, imageBytes, 0);
    for (int y = h - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb px = qAlpha(line[x]) >= 128 ? line[x] : qRgb(0, 0, 0);
            out.append(static_cast<char>(qBlue(px)));
            out.append(static_cast<char>(qGreen(px)));
            out.append(static_cast<char>(qRed(px)));
        }
        out.append(QByteArray(xorRow - w * 3, '\0'));
    }
    for (int y = h - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        QByteArray bits(andRow, '\0');
        for (int x = 0; x < w; ++x) {
            if (qAlpha(line[x]) < 128) {
                bits[x / 8] = static_cast<char>(bits[x / 8] | (0x80 >> (x % 8)));
            }
        }
        out.append(bits);
    }
    return out;
}

QByteArray jpeg(const QImage& image, int quality) {
    return encode(image.convertToFormat(QImage::Format_RGB32), "jpeg", quality);
}

QByteArray png(const QImage& image) {
    return encode(image, "png", -1);
}

bool save(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return !bytes.isEmpty() && file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

} // namespace ImageFiles
