// Times in the remarks: four digits after COR, AT, AFT, BFR, TIL, OBS AT or FM are
// the UTC time hhmm of what the word says, not a visibility.
#include <optional>
#include <string>
#include <string_view>

#include "decoder/group_readers.hpp"
#include "decoder/rules.hpp"
#include "translators/vocabulary.hpp"

namespace aerolume {

namespace {

// Each word's text follows the time: "19時56分訂正".
constexpr CodeText kTimeWords[] = {
    {"COR", "訂正"}, {"AT", "に"},   {"AFT", "以降"}, {"BFR", "以前"},
    {"TIL", "まで"}, {"FM", "から"}, {"OBS", "観測"},
};

// The offset of the time: 1 after the word, 2 after OBS AT; 0 when no time follows.
int TimeOffset(const DecodeContext& c) {
  if (!c.inRemarks || LookUp(kTimeWords, c.Group()).empty()) return 0;
  const int offset = c.Group() == "OBS" ? 2 : 1;
  if (offset == 2 && c.Neighbour(1) != "AT") return 0;
  return ReadClockTime(c, offset) ? offset : 0;
}

}  // namespace

bool TestRemarkTime(const DecodeContext& c) {
  return TimeOffset(c) > 0;
}

void ApplyRemarkTime(DecodeContext& c) {
  const int offset = TimeOffset(c);
  c.stepText = ReadClockTime(c, offset).value_or("");
  c.stepText += LookUp(kTimeWords, c.Group());
  c.Consume(offset);
}

}  // namespace aerolume
