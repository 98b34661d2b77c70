#include "diagram_painter.hpp"

#include <QPainter>
#include <QPen>
#include <cmath>

#include "picture_font.hpp"

namespace aerolume {

namespace {

const QColor kBackground(kPictureBackground);
const QColor kPavement(128, 128, 128);
constexpr int kDesignatorPixelSize = 11;
constexpr double kCentreLinePx = 1.0;
constexpr double kCentreLineInsetPx = 3.0;
constexpr double kHelipadSidePx = 44.0;
constexpr int kHelipadLetterPixelSize = 30;

QPointF UnitAlong(const RunwayStrip& strip) {
  const QPointF d = strip.he - strip.le;
  return d / std::hypot(d.x(), d.y());
}

void PaintPavement(QPainter& painter, const DiagramLayout& layout) {
  painter.setPen(Qt::NoPen);
  if (layout.helipad) {
    painter.drawRect(QRectF(kPictureCentre - kHelipadSidePx / 2,
                            kPictureCentre - kHelipadSidePx / 2, kHelipadSidePx, kHelipadSidePx));
  }
  for (const RunwayStrip& strip : layout.runways) painter.drawPolygon(strip.Outline());
}

void PaintCentreLines(QPainter& painter, const DiagramLayout& layout) {
  QPen pen(Qt::white, kCentreLinePx, Qt::CustomDashLine, Qt::FlatCap);
  pen.setDashPattern({5, 3});
  painter.setPen(pen);
  for (const RunwayStrip& strip : layout.runways) {
    const QPointF inset = UnitAlong(strip) * kCentreLineInsetPx;
    painter.drawLine(strip.le + inset, strip.he - inset);
  }
}

// The designators as coverage only; their colour depends on what lies beneath.
QImage PaintTextCoverage(const DiagramLayout& layout, int scale) {
  QImage coverage(kPictureSize * scale, kPictureSize * scale, QImage::Format_ARGB32_Premultiplied);
  coverage.fill(Qt::transparent);
  QPainter painter(&coverage);
  painter.scale(scale, scale);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setPen(Qt::black);
  const QFont font = PictureFont(kDesignatorPixelSize);
  painter.setFont(font);
  for (const DesignatorLabel& label : layout.labels) {
    const QString text = QString::fromStdString(label.text);
    painter.drawText(BaselineForCentre(font, text, label.box.center()), text);
  }
  if (layout.helipad) {
    const QFont letterFont = PictureFont(kHelipadLetterPixelSize);
    painter.setFont(letterFont);
    painter.drawText(BaselineForCentre(letterFont, "H", QPointF(kPictureCentre, kPictureCentre)),
                     "H");
  }
  return coverage;
}

int Blend(int under, int over, int alpha) {
  return (under * (255 - alpha) + over * alpha + 127) / 255;
}

// Black text over the background, white over pavement, blended by the text's coverage.
void ComposeText(QImage& picture, const QImage& pavedMask, const QImage& text) {
  for (int y = 0; y < picture.height(); ++y) {
    auto* out = reinterpret_cast<QRgb*>(picture.scanLine(y));
    const auto* paved = reinterpret_cast<const QRgb*>(pavedMask.constScanLine(y));
    const auto* ink = reinterpret_cast<const QRgb*>(text.constScanLine(y));
    for (int x = 0; x < picture.width(); ++x) {
      const int alpha = qAlpha(ink[x]);
      if (alpha == 0) continue;
      const int colour = qAlpha(paved[x]) >= 128 ? 255 : 0;
      out[x] = qRgb(Blend(qRed(out[x]), colour, alpha), Blend(qGreen(out[x]), colour, alpha),
                    Blend(qBlue(out[x]), colour, alpha));
    }
  }
}

// Only the untouched background becomes transparent; everything else is opaque.
QImage WithTransparentBackground(const QImage& opaque) {
  QImage result = opaque.convertToFormat(QImage::Format_ARGB32);
  const QRgb background = kBackground.rgb();
  for (int y = 0; y < result.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
    for (int x = 0; x < result.width(); ++x) {
      line[x] = (line[x] | 0xFF000000u) == background ? (background & 0x00FFFFFFu)
                                                      : (line[x] | 0xFF000000u);
    }
  }
  return result;
}

}  // namespace

QSizeF MeasureDesignator(const std::string& text) {
  return TextInk(PictureFont(kDesignatorPixelSize), QString::fromStdString(text)).size();
}

QImage PaintDiagram(const DiagramLayout& layout, int scale) {
  const int side = kPictureSize * scale;
  QImage picture(side, side, QImage::Format_RGB32);
  picture.fill(kBackground);
  QImage pavedMask(side, side, QImage::Format_ARGB32_Premultiplied);
  pavedMask.fill(Qt::transparent);
  {
    QPainter painter(&picture);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(kPavement);
    PaintPavement(painter, layout);
    PaintCentreLines(painter, layout);

    QPainter mask(&pavedMask);
    mask.scale(scale, scale);
    mask.setRenderHint(QPainter::Antialiasing);
    mask.setBrush(Qt::white);
    PaintPavement(mask, layout);
  }
  ComposeText(picture, pavedMask, PaintTextCoverage(layout, scale));
  return WithTransparentBackground(picture);
}

}  // namespace aerolume
