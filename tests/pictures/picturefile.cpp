#include "picturefile.h"

#include <QFile>

namespace PictureFile {

namespace {

std::uint32_t byteAt(const QByteArray& bytes, qsizetype at) {
    // Out of range reads as zero so that a truncated file fails the field checks, not the test.
    return at >= 0 && at < bytes.size() ? static_cast<std::uint8_t>(bytes[at]) : 0u;
}

} // namespace

QString path(const QString& name) {
    return QStringLiteral(PICTURES_DIR "/") + name;
}

QByteArray read(const QString& name) {
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::uint32_t le16(const QByteArray& bytes, qsizetype at) {
    return byteAt(bytes, at) | byteAt(bytes, at + 1) << 8;
}

std::uint32_t le32(const QByteArray& bytes, qsizetype at) {
    return le16(bytes, at) | le16(bytes, at + 2) << 16;
}

std::uint32_t be16(const QByteArray& bytes, qsizetype at) {
    return byteAt(bytes, at) << 8 | byteAt(bytes, at + 1);
}

std::uint32_t be32(const QByteArray& bytes, qsizetype at) {
    return be16(bytes, at) << 16 | be16(bytes, at + 2);
}

} // namespace PictureFile
