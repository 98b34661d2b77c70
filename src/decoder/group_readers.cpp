#include "decoder/group_readers.hpp"

#include "translators/time_range.hpp"
#include "translators/us_measures.hpp"

namespace aerolume {

namespace {

constexpr int kFirstMetres = 100;

}  // namespace

std::optional<ValueRead> ReadMiles(const DecodeContext& c, int offset) {
  const std::string first(c.Neighbour(offset));
  if (IsWholeMiles(first)) {
    const std::string fraction(c.Neighbour(offset + 1));
    if (IsMilesFraction(fraction)) return ValueRead{first + " " + fraction, offset + 1};
    return ValueRead{first, offset};
  }
  if (IsMilesFraction(first)) return ValueRead{first, offset};
  return std::nullopt;
}

std::optional<std::string> ReadClockTime(const DecodeContext& c, int offset) {
  const std::string_view group = c.Neighbour(offset);
  if (group.size() != 4) return std::nullopt;
  return FormatRemarkTime(group, c.TimeLine());
}

std::optional<ValueRead> ReadVisibilityValue(const DecodeContext& c, int offset) {
  const std::string group(c.Neighbour(offset));
  if (group.size() >= 3 && group.size() <= 4 && IsAllDigits(group) &&
      ToInt(group) >= kFirstMetres) {
    return ValueRead{group + "m", offset};
  }
  std::optional<ValueRead> miles = ReadMiles(c, offset);
  if (!miles) return std::nullopt;
  miles->text = MilesWithKilometres(miles->text).value_or(miles->text);
  return miles;
}

std::string MetresVisibilityText(std::string_view digits) {
  std::string text;
  AppendMetresVisibility(text, digits);
  return text;
}

void AppendMetresVisibility(std::string& text, std::string_view digits) {
  if (digits == "9999") {
    text += "視程 10km以上";
  } else {
    Append(text, {"視程 ", digits, "m"});
  }
}

bool IsCloudAmount(std::string_view piece) {
  return piece == "FEW" || piece == "SCT" || piece == "BKN" || piece == "OVC";
}

bool IsProbabilityGroup(std::string_view group) {
  return group.size() == 6 && Left(group, 4) == "PROB" && IsAllDigits(Mid(group, 4, 2));
}

bool IsRunwayName(std::string_view group) {
  return group.size() >= 5 && group.size() <= 6 && Left(group, 3) == "RWY" &&
         IsAllDigits(Mid(group, 3, 2));
}

}  // namespace aerolume
