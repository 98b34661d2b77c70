// The program's Japanese Gothic face, so that every phrase reads the same everywhere.
#pragma once

#include <QFont>

namespace aerolume {

// A Japanese Gothic at the given size: IPAGothic where installed, else the
// system's own Japanese sans-serif.
QFont JapaneseGothic(int pointSize);

}  // namespace aerolume
