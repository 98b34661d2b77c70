#include "picture_font.hpp"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>
#include <stdexcept>

namespace aerolume {

namespace {

QString& LoadedFamily() {
  static QString family;
  return family;
}

}  // namespace

void LoadPictureFont(const QString& path) {
  const int id = QFontDatabase::addApplicationFont(path);
  const QStringList families = QFontDatabase::applicationFontFamilies(id);
  if (id < 0 || families.isEmpty()) {
    throw std::runtime_error("cannot load the font " + path.toStdString());
  }
  LoadedFamily() = families.front();
}

QFont PictureFont(int pixelSize) {
  QFont font(LoadedFamily());
  font.setBold(true);
  font.setPixelSize(pixelSize);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

QRectF TextInk(const QFont& font, const QString& text) {
  return QFontMetricsF(font).tightBoundingRect(text);
}

QPointF BaselineForCentre(const QFont& font, const QString& text, QPointF centre) {
  return centre - TextInk(font, text).center();
}

}  // namespace aerolume
