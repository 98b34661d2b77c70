// Where a remark places a phenomenon: a distance and directions after the word
// that names it, then whether it stays or moves. Offsets count from the current
// group, which is the phenomenon word (or the AND that continues one).
#pragma once

#include <string>

#include "decoder/decode_context.hpp"

namespace aerolume {

struct Location {
  std::string text;  // distance and directions
  int lastOffset;    // the last group that the directions take
};

// A direction, optionally after a distance, follows the current group.
bool HasLocation(const DecodeContext& c);

// A distance (if any) and one direction group, continued by "- direction".
// A "-" with nothing after it is left for the next step.
Location ReadLocation(const DecodeContext& c);

// "あり" for a phenomenon that stays, or its movement (and where it moves to).
// Returns the offset of the last group taken.
int AppendMovement(const DecodeContext& c, int lastOffset, std::string& text);

}  // namespace aerolume
