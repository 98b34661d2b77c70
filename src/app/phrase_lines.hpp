// Line breaks for the line under the wind display. Its words are separated by spaces,
// and a word that names a value ("突風時", "横風最大") belongs with the value after it;
// breaking anywhere else, as Japanese text otherwise may, would cut a word in two.
#pragma once

#include <QFontMetrics>
#include <QString>

namespace aerolume {

// The line with '\n' put in place of the spaces where it must break to fit width
// pixels; a phrase wider than width stands alone on its line.
QString BreakBetweenPhrases(const QString& line, const QFontMetrics& metrics, int width);

}  // namespace aerolume
