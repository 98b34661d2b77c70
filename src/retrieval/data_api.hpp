// The Aviation Weather Center's Data API as a second source of the station files: its
// JSON answers turned into the files the weather server keeps.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "conditions/station_history.hpp"

namespace aerolume {

// What one answer of the Data API holds for a station.
struct ApiReport {
  enum class Outcome {
    File,        // `text` is a station file: the time line, a line end, the report
    NotFound,    // no entry, or the entry lacks a field the file needs
    Unreadable,  // not JSON, or not the shape the API gives; `text` says what is wrong
  };
  Outcome outcome = Outcome::NotFound;
  std::string text;
};

// The latest observation (the largest "obsTime"); "METAR " or "SPECI " before the
// report and "=" after it are dropped.
ApiReport MetarFileFromApi(std::string_view json);
// An answer for many stations at once, read station by station: a station's own bad
// entry costs that station only.
struct ApiMetarBatch {
  std::optional<std::string> unreadable;  // the whole answer: not JSON, or not an array of reports
  std::map<std::string, ApiReport, std::less<>> stations;  // by "icaoId"; absent when not named
};
// Each station's latest observation, chosen as MetarFileFromApi chooses it.
ApiMetarBatch MetarFilesFromApi(std::string_view json);

// Every observation of an answer, in the answer's order, each as a station file; an
// entry without a time or a report is left out and said why, by its place in the answer.
struct ApiObservations {
  std::optional<std::string> unreadable;  // the whole answer: not JSON, or not an array of reports
  std::vector<ObservationFile> observations;
  std::vector<std::string> skipped;  // "entry 3: no rawOb"
};
// A SPECI is one that "metarType" or the report's leading word names so.
ApiObservations MetarObservationsFromApi(std::string_view json);

// The entry marked "mostRecent", else the latest "issueTime" (Unix seconds, or
// "2025-10-03T22:00:00.000Z" / "2023-11-03 21:54:03.000Z"); "TAF " is put before a
// report without it.
ApiReport TafFileFromApi(std::string_view json);

}  // namespace aerolume
