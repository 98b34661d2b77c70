#include "overview/station_tooltip.hpp"

#include <QTextDocument>

#include "overview/station_phrases.hpp"
#include "translators/shown_text.hpp"

namespace aerolume {

QString StationTooltipText(const OverviewStation& station, UtcMinutes now) {
  const std::string text = ReplaceUnsafeCharacters(StationTooltip(station, now));
  return Qt::convertFromPlainText(QString::fromStdString(text), Qt::WhiteSpaceNormal);
}

}  // namespace aerolume
