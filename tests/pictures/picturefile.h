#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// Reading the committed pictures and the little- and big-endian fields of their headers.
namespace PictureFile {

[[nodiscard]] QString path(const QString& name);
[[nodiscard]] QByteArray read(const QString& name);

[[nodiscard]] std::uint32_t le16(const QByteArray& bytes, qsizetype at);
[[nodiscard]] std::uint32_t le32(const QByteArray& bytes, qsizetype at);
[[nodiscard]] std::uint32_t be16(const QByteArray& bytes, qsizetype at);
[[nodiscard]] std::uint32_t be32(const QByteArray& bytes, qsizetype at);

} // namespace PictureFile
