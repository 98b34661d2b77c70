#include "bmp_file.hpp"

#include <QFile>
#include <cstdint>
#include <stdexcept>

namespace aerolume {

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kBytesPerPixel = 3;
constexpr std::int32_t kPixelsPerMetre = 2835;  // 72 dots per inch

void PutLittleEndian(QByteArray& bytes, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

QByteArray EncodeBmp24(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  const int rowBytes = (rgb.width() * kBytesPerPixel + 3) / 4 * 4;
  const auto pixelBytes = static_cast<std::uint32_t>(rowBytes * rgb.height());
  const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;

  QByteArray bytes;
  bytes.append("BM");
  PutLittleEndian(bytes, offset + pixelBytes, 4);
  PutLittleEndian(bytes, 0, 4);  // reserved
  PutLittleEndian(bytes, offset, 4);

  PutLittleEndian(bytes, kInfoHeaderSize, 4);
  PutLittleEndian(bytes, static_cast<std::uint32_t>(rgb.width()), 4);
  PutLittleEndian(bytes, static_cast<std::uint32_t>(rgb.height()), 4);  // positive: bottom up
  PutLittleEndian(bytes, 1, 2);                                         // planes
  PutLittleEndian(bytes, 24, 2);                                        // bits per pixel
  PutLittleEndian(bytes, 0, 4);                                         // uncompressed
  PutLittleEndian(bytes, pixelBytes, 4);
  PutLittleEndian(bytes, kPixelsPerMetre, 4);
  PutLittleEndian(bytes, kPixelsPerMetre, 4);
  PutLittleEndian(bytes, 0, 4);  // no colour table
  PutLittleEndian(bytes, 0, 4);

  for (int y = rgb.height() - 1; y >= 0; --y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) {
      bytes.append(static_cast<char>(qBlue(line[x])));
      bytes.append(static_cast<char>(qGreen(line[x])));
      bytes.append(static_cast<char>(qRed(line[x])));
    }
    bytes.append(rowBytes - rgb.width() * kBytesPerPixel, '\0');
  }
  return bytes;
}

void WriteBmp24(const QImage& image, const QString& path) {
  QFile file(path);
  const QByteArray bytes = EncodeBmp24(image);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
    throw std::runtime_error("cannot write " + path.toStdString());
  }
}

}  // namespace aerolume
