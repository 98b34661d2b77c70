#include "app/app_font.hpp"

#include <QStringList>

namespace aerolume {

QFont JapaneseGothic(int pointSize) {
  QFont font;
  font.setFamilies({QStringLiteral("IPAGothic"), QStringLiteral("IPAexGothic"),
                    QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL Gothic"),
                    QStringLiteral("TakaoGothic"), QStringLiteral("Droid Sans Japanese")});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(pointSize);
  return font;
}

}  // namespace aerolume
