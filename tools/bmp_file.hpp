// Uncompressed 24-bit device-independent bitmaps, byte for byte as the wind display
// expects them: 14-byte file header, 40-byte information header, no colour table,
// rows bottom first.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace aerolume {

QByteArray EncodeBmp24(const QImage& image);

// Throws std::runtime_error when the file cannot be written.
void WriteBmp24(const QImage& image, const QString& path);

}  // namespace aerolume
