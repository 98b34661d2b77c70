// The program's icon: the compass ring with the wind arrow, in every size drawn.
#pragma once

#include <QIcon>

namespace aerolume {

QIcon AppIcon();

}  // namespace aerolume
