#include "wind/designator_boxes.hpp"

#include <QFile>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>
#include <map>

#include "wind/resource_image.hpp"

namespace aerolume {

namespace {

const QString kDesignatorTable = QStringLiteral(":/diagrams/designators.csv");
constexpr int kColumns = 6;  // icao, ident, x, y, width, height

using DesignatorTable = std::map<QString, std::vector<DesignatorBox>>;

// A malformed row is left out rather than trusted: a wrong box would colour the
// runway or the ring instead of the label.
std::optional<DesignatorBox> ParseRow(const QStringList& cells) {
  std::array<int, 4> numbers{};
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    bool ok = false;
    numbers[i] = cells[static_cast<qsizetype>(i) + 2].toInt(&ok);
    if (!ok) return std::nullopt;
  }
  if (cells[1].isEmpty() || numbers[2] <= 0 || numbers[3] <= 0) return std::nullopt;
  return DesignatorBox{cells[1].toStdString(),
                       QRect(numbers[0], numbers[1], numbers[2], numbers[3])};
}

DesignatorTable ReadTable() {
  InitWindResources();
  DesignatorTable table;
  QFile file(kDesignatorTable);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return table;
  const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
  for (const QString& line : lines) {
    if (line.startsWith('#')) continue;
    const QStringList cells = line.trimmed().split(',');
    if (cells.size() != kColumns || cells[0] == QStringLiteral("icao")) continue;
    if (std::optional<DesignatorBox> row = ParseRow(cells)) {
      table[cells[0].toUpper()].push_back(std::move(*row));
    }
  }
  return table;
}

// Read once: the table is part of the program and never changes while it runs.
const DesignatorTable& Table() {
  static const DesignatorTable table = ReadTable();
  return table;
}

}  // namespace

std::vector<DesignatorBox> StationDesignators(std::string_view station) {
  const QString code =
      QString::fromUtf8(station.data(), static_cast<qsizetype>(station.size())).toUpper();
  const auto found = Table().find(code);
  return found == Table().end() ? std::vector<DesignatorBox>() : found->second;
}

std::optional<QRect> FindDesignator(std::string_view station, std::string_view ident) {
  const std::vector<DesignatorBox> designators = StationDesignators(station);
  const auto found = std::find_if(designators.begin(), designators.end(),
                                  [&](const DesignatorBox& d) { return d.ident == ident; });
  if (found == designators.end()) return std::nullopt;
  return found->box;
}

}  // namespace aerolume
