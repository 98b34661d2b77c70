// Cloud and visibility groups that the first rules leave raw or misread: what an
// automatic station could not see or measure, cloud groups with no height,
// visibility toward a direction or with no directional variation, and visibility in
// statute miles.
#include <string>
#include <string_view>

#include "decoder/group_readers.hpp"
#include "decoder/rules.hpp"
#include "decoder/value_recording.hpp"
#include "translators/remark_words.hpp"
#include "translators/us_measures.hpp"
#include "translators/vocabulary.hpp"

namespace aerolume {

namespace {

constexpr CodeText kUnknownClouds[] = {
    {"//////", "雲量・高さ不明の雲"},
    {"//////CB", "雲量・高さ不明の積乱雲"},
    {"//////TCU", "雲量・高さ不明の雄大積雲"},
};

// The slashes an automatic station writes where it could not measure a value: the
// line says which value is missing.
constexpr CodeText kNotMeasured[] = {
    {"/////KT", "風 観測不能"},  {"/////MPS", "風 観測不能"}, {"////", "視程 観測不能"},
    {"////SM", "視程 観測不能"}, {"//", "天気 観測不能"},     {"/////", "気温・露点 観測不能"},
    {"A////", "気圧 観測不能"},  {"Q////", "気圧 観測不能"},
};

constexpr std::string_view kNoDirectionalVariation = "NDV";

// 10SM, 1/2SM, M1/4SM (less than), P6SM (more than): the value and its qualifier.
struct MilesGroup {
  std::string miles;
  std::string qualifier;
  Bound bound = Bound::None;
};

std::optional<MilesGroup> ReadMilesGroup(std::string_view g) {
  if (g.size() < 3 || !g.ends_with("SM")) return std::nullopt;
  std::string_view value = g.substr(0, g.size() - 2);
  MilesGroup read;
  if (value.starts_with('M') || value.starts_with('P')) {
    read.qualifier = value.front() == 'M' ? "未満" : "超";
    read.bound = static_cast<Bound>(value.front());
    value.remove_prefix(1);
  }
  if (!IsWholeMiles(value) && !IsMilesFraction(value)) return std::nullopt;
  read.miles = std::string(value);
  return read;
}

// A whole number of miles standing before its fraction: "1" then "1/2SM".
bool IsWholeBeforeMilesFraction(const DecodeContext& c) {
  if (!IsWholeMiles(c.Group())) return false;
  const std::optional<MilesGroup> next = ReadMilesGroup(c.Neighbour(1));
  return next && next->qualifier.empty() && IsMilesFraction(next->miles);
}

}  // namespace

// FEW, SCT, BKN or OVC with letters where the height belongs is no layer the
// station reported; read as a height it would put a cloud on the ground.
bool TestMalformedCloud(const DecodeContext& c) {
  const std::string_view g = c.Group();
  if (g.size() < 6 || !IsCloudAmount(Left(g, 3))) return false;
  const std::string_view height = Mid(g, 3, 3);
  return !IsAllDigits(height) && height != "///";
}

bool TestNoCloudDetected(const DecodeContext& c) {
  return c.isMetar && c.Group() == "NCD";
}

void ApplyNoCloudDetected(DecodeContext& c) {
  c.stepText = "雲を検出せず(自動観測)";
  RecordSkyWord(c, c.Group());
}

bool TestUnknownCloud(const DecodeContext& c) {
  return !LookUp(kUnknownClouds, c.Group()).empty();
}

void ApplyUnknownCloud(DecodeContext& c) {
  c.stepText = std::string(LookUp(kUnknownClouds, c.Group()));
}

bool TestNotMeasured(const DecodeContext& c) {
  return !LookUp(kNotMeasured, c.Group()).empty();
}

void ApplyNotMeasured(DecodeContext& c) {
  c.stepText = std::string(LookUp(kNotMeasured, c.Group()));
}

// 9999NDV: a station that cannot tell visibility by direction says so.
bool TestVisibilityWithoutDirections(const DecodeContext& c) {
  const std::string_view g = c.Group();
  return g.size() == 7 && IsAllDigits(Left(g, 4)) && Mid(g, 4) == kNoDirectionalVariation;
}

void ApplyVisibilityWithoutDirections(DecodeContext& c) {
  AppendMetresVisibility(c.stepText, Left(c.Group(), 4));
  c.stepText += "(方向による変化なし)";
}

// 9999S, 5000NE, 3000S-W: the lowest visibility and the direction it lies in.
bool TestDirectionalVisibility(const DecodeContext& c) {
  const std::string_view g = c.Group();
  return c.isMetar && g.size() > 4 && IsAllDigits(Left(g, 4)) && !DirectionRange(Mid(g, 4)).empty();
}

void ApplyDirectionalVisibility(DecodeContext& c) {
  const std::string_view g = c.Group();
  c.stepText = MetresVisibilityText(Left(g, 4)) + "(" + DirectionRange(Mid(g, 4)) + ")";
}

bool TestMilesVisibility(const DecodeContext& c) {
  return ReadMilesGroup(c.Group()).has_value() || IsWholeBeforeMilesFraction(c);
}

void ApplyMilesVisibility(DecodeContext& c) {
  std::string whole;
  if (IsWholeBeforeMilesFraction(c)) {
    whole = Concat({c.Group(), " "});
    c.Consume(1);
  }
  const MilesGroup read = ReadMilesGroup(c.Group()).value_or(MilesGroup{});
  const std::string miles = whole + read.miles;
  c.stepText = "視程 " + MilesWithKilometres(miles, read.qualifier).value_or(miles);
  RecordVisibilityMiles(c, miles, read.bound);
}

}  // namespace aerolume
