// aerolume_runways: writes the runway table compiled into aerolume_core from the airfield data.
//
//   aerolume_runways [--data DIR] [--out FILE]
//
// DIR defaults to ../shared/data beside the repository, FILE to the repository's
// src/stations/station_runways_data.cpp. Every catalogue station gets an entry, in code
// order; helipads (idents starting with H) are left out, as the wind display has no runway
// to lay the wind on there. Each end's bearing comes from the end coordinates where both
// are given, else from the data's true heading of that end, else from the designator alone.
#include <cctype>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "airfield_data.hpp"
#include "generator_support.hpp"
#include "stations/station_catalogue.hpp"

namespace aerolume {

namespace {

constexpr std::string_view kUsage = "usage: aerolume_runways [--data DIR] [--out FILE]";

struct Options {
  std::string dataDir = AEROLUME_SOURCE_DIR "/../shared/data";
  std::string outFile = AEROLUME_SOURCE_DIR "/src/stations/station_runways_data.cpp";
};

Options ParseOptions(int argc, char** argv) {
  Options options;
  ReadOptions(argc, argv, kUsage, {{"--data", &options.dataDir}, {"--out", &options.outFile}});
  return options;
}

enum class BearingSource { kCoordinates, kHeading, kDesignator };

struct EndBearing {
  double degrees = 0;
  BearingSource source = BearingSource::kCoordinates;
};

double Radians(double degrees) {
  return degrees * std::numbers::pi / 180.0;
}

double Normalised(double degrees) {
  const double wrapped = std::fmod(degrees, 360.0);
  return wrapped < 0 ? wrapped + 360.0 : wrapped;
}

// The initial great-circle bearing from one end towards the other.
double InitialBearing(GeoPoint from, GeoPoint to) {
  const double lat1 = Radians(from.lat);
  const double lat2 = Radians(to.lat);
  const double deltaLon = Radians(to.lon - from.lon);
  const double y = std::sin(deltaLon) * std::cos(lat2);
  const double x =
      std::cos(lat1) * std::sin(lat2) - std::sin(lat1) * std::cos(lat2) * std::cos(deltaLon);
  return Normalised(std::atan2(y, x) * 180.0 / std::numbers::pi);
}

// "03L" -> 30, "36" -> 0; the suffix letter (L, C, R, T) only tells parallels apart.
double DesignatorBearing(const std::string& ident) {
  int number = 0;
  std::size_t digits = 0;
  while (digits < ident.size() && std::isdigit(static_cast<unsigned char>(ident[digits]))) {
    number = number * 10 + (ident[digits++] - '0');
  }
  if (digits == 0 || number < 1 || number > 36) {
    throw std::runtime_error("runway end " + ident + " has no designator number");
  }
  return Normalised(number * 10.0);
}

EndBearing BearingOfEnd(const RunwayRecord& runway, bool lowEnd) {
  if (runway.HasEnds()) {
    return {
        lowEnd ? InitialBearing(*runway.le, *runway.he) : InitialBearing(*runway.he, *runway.le),
        BearingSource::kCoordinates};
  }
  const std::optional<double>& heading = lowEnd ? runway.leHeadingTrue : runway.heHeadingTrue;
  if (heading) return {Normalised(*heading), BearingSource::kHeading};
  return {DesignatorBearing(lowEnd ? runway.leIdent : runway.heIdent), BearingSource::kDesignator};
}

// One decimal, and never 360.0: a bearing just under north rounds to 0.0.
std::string BearingText(double degrees) {
  char text[16];
  std::snprintf(text, sizeof text, "%.1f", degrees);
  return std::string_view(text) == "360.0" ? "0.0" : text;
}

std::string EndInitialiser(const std::string& ident, const EndBearing& bearing) {
  return "{\"" + ident + "\", " + BearingText(bearing.degrees) + ", " +
         (bearing.source == BearingSource::kDesignator ? "true" : "false") + "}";
}

std::string SourceComment(const EndBearing& low, const EndBearing& high) {
  if (low.source == BearingSource::kCoordinates && high.source == BearingSource::kCoordinates) {
    return "";
  }
  if (low.source == high.source) {
    return low.source == BearingSource::kHeading ? "  // from the headings"
                                                 : "  // from the designators";
  }
  return "  // partly from the headings";
}

bool IsHelipad(const RunwayRecord& runway) {
  return runway.leIdent.starts_with('H');
}

std::string RunwayLine(const std::string& code, const RunwayRecord& runway) {
  if (runway.leIdent.empty() || runway.heIdent.empty()) {
    throw std::runtime_error(code + ": a runway without both end designators");
  }
  const EndBearing low = BearingOfEnd(runway, true);
  const EndBearing high = BearingOfEnd(runway, false);
  const long length = std::lround(runway.lengthFt);
  return "    {{" + EndInitialiser(runway.leIdent, low) + ", " +
         EndInitialiser(runway.heIdent, high) + "}, " + std::to_string(length) + "}," +
         SourceComment(low, high) + "\n";
}

const AirfieldRecord* FindAirfield(const std::vector<AirfieldRecord>& airfields,
                                   std::string_view code) {
  for (const AirfieldRecord& field : airfields) {
    if (field.code == code) return &field;
  }
  return nullptr;
}

std::string RunwayTableSource(const std::vector<AirfieldRecord>& airfields) {
  std::ostringstream arrays;
  std::ostringstream table;
  for (std::string_view entry : StationCatalogue()) {
    const std::string code(StationCode(entry));
    const AirfieldRecord* field = FindAirfield(airfields, code);
    if (field == nullptr) throw std::runtime_error("no airfield data for " + code);
    std::string lines;
    for (const RunwayRecord& runway : field->runways) {
      if (!IsHelipad(runway)) lines += RunwayLine(code, runway);
    }
    if (lines.empty()) {
      table << "    {\"" << code << "\", {}},\n";
    } else {
      arrays << "constexpr Runway k" << code << "[] = {\n" << lines << "};\n";
      table << "    {\"" << code << "\", k" << code << "},\n";
    }
  }
  std::ostringstream source;
  source << "// Generated by tools/aerolume_runways from ../shared/data/runways.csv (OurAirports,\n"
            "// public domain; see ../shared/data/SOURCES.md). Do not edit: regenerate with\n"
            "//   ninja -C build-tools aerolume_runway_data\n"
            "// in a build configured with -DAEROLUME_BUILD_TOOLS=ON.\n"
            "#include \"stations/station_runways_data.hpp\"\n"
            "\n"
            "namespace aerolume {\n"
            "\n"
            "namespace {\n"
            "\n"
            "// {{low end, high end}, length in feet}; an end is {designator, true bearing,\n"
            "// whether the bearing is only the designator's}.\n"
         << arrays.str()
         << "\n"
            "// Every catalogue station, in code order; those without runways have none listed.\n"
            "// clang-format off\n"
            "constexpr StationRunwayEntry kStations[] = {\n"
         << table.str()
         << "};\n"
            "// clang-format on\n"
            "\n"
            "}  // namespace\n"
            "\n"
            "std::span<const StationRunwayEntry> StationRunwayTable() {\n"
            "  return kStations;\n"
            "}\n"
            "\n"
            "}  // namespace aerolume\n";
  return source.str();
}

int Run(int argc, char** argv) {
  const Options options = ParseOptions(argc, argv);
  WriteWholeFile(options.outFile, RunwayTableSource(LoadAirfields(options.dataDir)));
  return 0;
}

}  // namespace

}  // namespace aerolume

int main(int argc, char** argv) {
  return aerolume::RunReportingFailures("aerolume_runways",
                                        [&] { return aerolume::Run(argc, argv); });
}
