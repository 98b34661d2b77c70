#include "app/app_icon.hpp"

#include <QString>

#include "wind/resource_image.hpp"

namespace aerolume {

QIcon AppIcon() {
  InitWindResources();
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/icons/aerolume-%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

}  // namespace aerolume
