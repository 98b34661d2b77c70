#include "airfield_data.hpp"

#include <algorithm>
#include <stdexcept>

#include "csv_table.hpp"

namespace aerolume {

namespace {

std::optional<GeoPoint> EndPoint(const CsvTable& table, std::size_t row, const std::string& lat,
                                 const std::string& lon) {
  const std::optional<double> latitude = table.Number(row, lat);
  const std::optional<double> longitude = table.Number(row, lon);
  if (!latitude || !longitude) return std::nullopt;
  return GeoPoint{*latitude, *longitude};
}

RunwayRecord ReadRunway(const CsvTable& table, std::size_t row) {
  RunwayRecord runway;
  runway.leIdent = table.Cell(row, "le_ident");
  runway.heIdent = table.Cell(row, "he_ident");
  runway.lengthFt = table.Number(row, "length_ft").value_or(0);
  runway.widthFt = table.Number(row, "width_ft");
  runway.le = EndPoint(table, row, "le_lat", "le_lon");
  runway.he = EndPoint(table, row, "he_lat", "he_lon");
  runway.leHeadingTrue = table.Number(row, "le_heading_true");
  runway.heHeadingTrue = table.Number(row, "he_heading_true");
  return runway;
}

}  // namespace

std::vector<AirfieldRecord> LoadAirfields(const std::string& dataDir) {
  const CsvTable fields = CsvTable::Read(dataDir + "/airfields.csv");
  std::vector<AirfieldRecord> airfields;
  for (std::size_t row = 0; row < fields.RowCount(); ++row) {
    AirfieldRecord field;
    field.code = fields.Cell(row, "icao");
    field.name = fields.Cell(row, "name_en");
    field.position = {fields.Number(row, "lat").value_or(0), fields.Number(row, "lon").value_or(0)};
    airfields.push_back(std::move(field));
  }

  const CsvTable runways = CsvTable::Read(dataDir + "/runways.csv");
  for (std::size_t row = 0; row < runways.RowCount(); ++row) {
    if (runways.Cell(row, "closed") == "1") continue;
    const std::string& code = runways.Cell(row, "icao");
    const auto field = std::find_if(airfields.begin(), airfields.end(),
                                    [&](const AirfieldRecord& f) { return f.code == code; });
    if (field == airfields.end()) throw std::runtime_error("runway of unknown airfield " + code);
    field->runways.push_back(ReadRunway(runways, row));
  }
  return airfields;
}

}  // namespace aerolume
