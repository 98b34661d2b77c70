#include "contact_sheet.hpp"

#include <QPainter>
#include <stdexcept>

#include "diagram_layout.hpp"
#include "picture_font.hpp"

namespace aerolume {

namespace {

constexpr int kColumns = 13;
constexpr int kCaptionPx = 22;
constexpr int kCaptionPixelSize = 15;
constexpr QRgb kKeyColour = 0xF0F0F0;

QImage ReadPicture(const QString& path) {
  QImage image(path);
  if (image.isNull()) throw std::runtime_error("cannot read " + path.toStdString());
  return image.convertToFormat(QImage::Format_ARGB32);
}

// The wind display copies every diagram pixel but the key colour, whatever its alpha.
void OverlayKeyed(QImage& tile, const QImage& diagram) {
  for (int y = 0; y < diagram.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(diagram.constScanLine(y));
    auto* out = reinterpret_cast<QRgb*>(tile.scanLine(y));
    for (int x = 0; x < diagram.width(); ++x) {
      if ((in[x] & 0x00FFFFFFu) != kKeyColour) out[x] = in[x] | 0xFF000000u;
    }
  }
}

}  // namespace

QImage DrawContactSheet(const QString& resourcesDir, const std::vector<std::string>& codes) {
  const QImage ring = ReadPicture(resourcesDir + "/bitmaps/COMPASS_135.BMP");
  const int rows = (static_cast<int>(codes.size()) + kColumns - 1) / kColumns;
  QImage sheet(kColumns * kPictureSize, rows * (kPictureSize + kCaptionPx), QImage::Format_ARGB32);
  sheet.fill(Qt::white);
  QPainter painter(&sheet);
  const QFont font = PictureFont(kCaptionPixelSize);
  painter.setFont(font);
  for (std::size_t i = 0; i < codes.size(); ++i) {
    const QString code = QString::fromStdString(codes[i]);
    QImage tile = ring.copy();
    OverlayKeyed(tile, ReadPicture(resourcesDir + "/diagrams/" + code + ".PNG"));
    const int x = static_cast<int>(i) % kColumns * kPictureSize;
    const int y = static_cast<int>(i) / kColumns * (kPictureSize + kCaptionPx);
    painter.drawImage(x, y, tile);
    painter.drawText(
        BaselineForCentre(font, code,
                          QPointF(x + kPictureCentre, y + kPictureSize + kCaptionPx / 2.0)),
        code);
  }
  return sheet;
}

}  // namespace aerolume
