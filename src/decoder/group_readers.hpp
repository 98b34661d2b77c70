// Readers and wordings that several rule files share. The readers take values that
// US remarks spread over more than one group; offsets count from the current group.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "decoder/decode_context.hpp"

namespace aerolume {

struct ValueRead {
  std::string text;
  int lastOffset;  // the last group the value takes
};

// Statute miles: "2", "1/2", or a whole number followed by a fraction group ("1 1/2").
std::optional<ValueRead> ReadMiles(const DecodeContext& c, int offset);

// A visibility value: miles with kilometres after them, or, from 100 on, metres.
std::optional<ValueRead> ReadVisibilityValue(const DecodeContext& c, int offset);

// Four digits of visibility: "視程 5000m", and "視程 10km以上" for 9999.
std::string MetresVisibilityText(std::string_view digits);
void AppendMetresVisibility(std::string& text, std::string_view digits);

// FEW, SCT, BKN or OVC.
bool IsCloudAmount(std::string_view piece);

// PROB30, PROB40: the chance of the change that follows.
bool IsProbabilityGroup(std::string_view group);

// RWY followed by the runway's designator: "RWY11".
bool IsRunwayName(std::string_view group);

}  // namespace aerolume
