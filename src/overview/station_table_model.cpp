#include "overview/station_table_model.hpp"

#include <QBrush>
#include <QFont>
#include <limits>

#include "overview/station_phrases.hpp"
#include "overview/station_tooltip.hpp"

namespace aerolume {

namespace {

constexpr int kLast = std::numeric_limits<int>::max();

// The best conditions first, stations without a category after the worst.
int CategoryKey(FlightCategory category) {
  return category == FlightCategory::Unknown ? kLast : static_cast<int>(category);
}

// Ten kilometres or more sorts above every distance in metres.
int VisibilityKey(const WeatherValues& values) {
  if (!values.visibility) return -1;
  if (values.visibility->tenKmOrMore) return kLast;
  return values.visibility->metres;
}

// No ceiling is the highest one; a sky not reported sorts before the lowest.
int CeilingKey(const WeatherValues& values) {
  if (!values.cloudsNamed && !values.cavok) return -1;
  const std::optional<Ceiling> ceiling = CeilingOf(values);
  return ceiling ? ceiling->feet : kLast;
}

// The column's header names what the phrase starts with: "視程 2000m" shows as "2000m",
// "雲底なし" as "なし".
QString WithoutHeaderWord(const std::string& phrase, std::string_view word) {
  std::string_view text = phrase;
  if (text.starts_with(word)) text.remove_prefix(word.size());
  if (text.starts_with(' ')) text.remove_prefix(1);
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int WindKey(const WeatherValues& values) {
  if (!values.wind) return -1;
  return values.wind->calm ? 0 : values.wind->speedKt;
}

}  // namespace

StationTableModel::StationTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void StationTableModel::SetOverview(const StationOverview* overview, UtcMinutes now) {
  const bool rowsChange = (m_overview == nullptr) != (overview == nullptr);
  if (rowsChange) beginResetModel();
  m_overview = overview;
  m_now = now;
  if (rowsChange) {
    endResetModel();
  } else if (rowCount() > 0) {
    emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
  }
}

int StationTableModel::RowOf(const QString& code) const {
  if (m_overview == nullptr) return -1;
  const auto& stations = m_overview->Stations();
  for (std::size_t row = 0; row < stations.size(); ++row) {
    if (QString::fromStdString(stations[row].code) == code) return static_cast<int>(row);
  }
  return -1;
}

int StationTableModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() || m_overview == nullptr) return 0;
  return static_cast<int>(m_overview->Stations().size());
}

int StationTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ColumnCount;
}

QVariant StationTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const OverviewStation& station = m_overview->Stations()[static_cast<std::size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole:
      return Text(station, index.column());
    case kSortRole:
      return SortKey(station, index.column());
    case kCodeRole:
      return QString::fromStdString(station.code);
    case Qt::ToolTipRole:
      return StationTooltipText(station, m_now);
    case Qt::ForegroundRole:
      // A station without a report is marked as the map marks it: grey.
      return station.HasReport() ? QVariant() : QBrush(Qt::gray);
    default:
      return {};
  }
}

QVariant StationTableModel::Text(const OverviewStation& station, int column) const {
  if (column == Code) return QString::fromStdString(station.code);
  if (column == Name) return QString::fromStdString(station.name);
  const StationPhrases phrases = PhrasesOf(station, m_now);
  switch (column) {
    case Age:
      return QString::fromStdString(phrases.age);
    case Category:
      return QString::fromStdString(phrases.category);
    case Wind:
      return QString::fromStdString(phrases.wind);
    case Visibility:
      return WithoutHeaderWord(phrases.visibility, "視程");
    case Ceiling:
      return WithoutHeaderWord(phrases.ceiling, "雲底");
    case Weather:
      return QString::fromStdString(phrases.weather);
    default:
      return {};
  }
}

QVariant StationTableModel::SortKey(const OverviewStation& station, int column) const {
  const WeatherValues& observed = station.values.observed;
  const bool reported = station.HasReport();
  switch (column) {
    case Age:
      return reported ? static_cast<qlonglong>((m_now - *station.observed).count())
                      : std::numeric_limits<qlonglong>::max();
    case Category:
      return CategoryKey(CategoryOf(station));
    case Wind:
      return reported ? WindKey(observed) : -1;
    case Visibility:
      return reported ? VisibilityKey(observed) : -1;
    case Ceiling:
      return reported ? CeilingKey(observed) : -1;
    default:
      return Text(station, column);
  }
}

QVariant StationTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  static const char* const kHeaders[ColumnCount] = {"コード", "名称", "経過", "区分",
                                                    "風",     "視程", "雲底", "天気"};
  if (section < 0 || section >= ColumnCount) return {};
  return QString::fromUtf8(kHeaders[section]);
}

}  // namespace aerolume
