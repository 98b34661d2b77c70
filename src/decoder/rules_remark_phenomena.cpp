// Remark phrases about phenomena around the airfield: a volcanic ash cloud, a
// phenomenon continued by AND, a direction or a movement standing alone, and an
// aircraft's report of turbulence or icing.
#include <string>
#include <string_view>

#include "decoder/group_readers.hpp"
#include "decoder/remark_location.hpp"
#include "decoder/rules.hpp"
#include "translators/remark_words.hpp"
#include "translators/vocabulary.hpp"

namespace aerolume {

namespace {

constexpr CodeText kAircraftWords[] = {
    {"LGT", "弱い"},    {"MOD", "並の"}, {"SEV", "強い"},
    {"TURB", "乱気流"}, {"ICE", "着氷"}, {"BY", "報告機"},
};

constexpr CodeText kNearOrFar[] = {
    {"DSNT", "遠方"},
    {"VC", "近傍"},
};

// Plain-language phrases of two words, each read as one.
struct RemarkPhraseText {
  std::string_view first;
  std::string_view second;
  std::string_view text;
};

constexpr RemarkPhraseText kRemarkPhrases[] = {
    {"SNOW", "PELLETS", "雪あられ"},
};

// The phrase starting at the current group, or the empty text.
std::string_view RemarkPhrase(const DecodeContext& c) {
  for (const RemarkPhraseText& phrase : kRemarkPhrases) {
    if (c.Group() == phrase.first && c.Neighbour(1) == phrase.second) return phrase.text;
  }
  return {};
}

// From the intensity on, an aircraft report runs to the aircraft type after BY;
// one that names no BY within this many groups is only its intensity and phenomenon.
constexpr int kLongestAircraftReport = 8;

bool IsAircraftIntensity(std::string_view group) {
  return group == "LGT" || group == "MOD" || group == "SEV";
}

bool IsAircraftPhenomenon(std::string_view group) {
  return group == "TURB" || group == "ICE";
}

// The offset of the aircraft type, or of the phenomenon where no BY follows.
int AircraftReportEnd(const DecodeContext& c) {
  for (int offset = 2; offset < kLongestAircraftReport; ++offset) {
    if (c.Neighbour(offset) == "BY" && c.HasNeighbour(offset + 1)) return offset + 1;
  }
  return 1;
}

std::string AircraftWord(std::string_view group) {
  const std::string_view word = LookUp(kAircraftWords, group);
  return std::string(word.empty() ? group : word);
}

}  // namespace

bool TestVolcanicAshCloud(const DecodeContext& c) {
  return c.inRemarks && c.Group() == "VOLCANIC" && c.Neighbour(1) == "ASH";
}

void ApplyVolcanicAshCloud(DecodeContext& c) {
  if (c.Neighbour(2) == "CLOUD") {
    c.stepText = "火山灰雲";
    c.Consume(2);
  } else {
    c.stepText = "火山灰";
    c.Consume(1);
  }
}

// TCU DSNT NE, CB VC: a cloud far off or in the vicinity, with or without a direction.
bool TestPhenomenonNearOrFar(const DecodeContext& c) {
  return c.inRemarks && !RemarkCloudName(c.Group()).empty() &&
         !LookUp(kNearOrFar, c.Neighbour(1)).empty();
}

void ApplyPhenomenonNearOrFar(DecodeContext& c) {
  std::string text =
      RemarkCloudName(c.Group()) + "が" + std::string(LookUp(kNearOrFar, c.Neighbour(1)));
  int lastOffset = 1;
  const std::string direction = DirectionRange(c.Neighbour(2));
  if (!direction.empty()) {
    text += "の" + direction;
    lastOffset = 2;
  }
  text += "に";
  c.Consume(AppendMovement(c, lastOffset, text));
  c.stepText = text;
}

bool TestPhenomenonContinued(const DecodeContext& c) {
  return c.inRemarks && c.Group() == "AND";
}

// Where the second place of the phenomenon is, read as a located phenomenon reads it.
void ApplyPhenomenonContinued(DecodeContext& c) {
  std::string text = "また";
  if (HasLocation(c)) {
    const Location location = ReadLocation(c);
    text += location.text + "に";
    c.Consume(AppendMovement(c, location.lastOffset, text));
  }
  c.stepText = text;
}

bool TestLoneDirection(const DecodeContext& c) {
  return c.inRemarks && !DirectionRange(c.Group()).empty();
}

void ApplyLoneDirection(DecodeContext& c) {
  c.stepText = DirectionRange(c.Group());
}

bool TestLoneMovement(const DecodeContext& c) {
  return c.inRemarks && !MovementName(c.Group()).empty();
}

void ApplyLoneMovement(DecodeContext& c) {
  const std::string towards = c.Group() == "MOV" ? JoinDirections(c.Neighbour(1)) : "";
  if (towards.empty()) {
    c.stepText = MovementName(c.Group());
    return;
  }
  c.stepText = towards + "に" + MovementName(c.Group());
  c.Consume(1);
}

// MOD TURB is an aircraft report, whereas MOD TS is the intensity of a thunderstorm.
bool TestAircraftReport(const DecodeContext& c) {
  return c.inRemarks && IsAircraftIntensity(c.Group()) && IsAircraftPhenomenon(c.Neighbour(1));
}

// The time of the report closes its line: "報告機 B734 17時3分" for BY B734 AT 0803.
void ApplyAircraftReport(DecodeContext& c) {
  int end = AircraftReportEnd(c);
  std::string text = "航空機報告: " + AircraftWord(c.Group()) + AircraftWord(c.Neighbour(1));
  for (int offset = 2; offset <= end; ++offset) text += " " + AircraftWord(c.Neighbour(offset));
  if (c.Neighbour(end + 1) == "AT") {
    if (const std::optional<std::string> time = ReadClockTime(c, end + 2)) {
      text += " " + *time;
      end += 2;
    }
  }
  c.stepText = text;
  c.Consume(end);
}

bool TestRemarkPhrase(const DecodeContext& c) {
  return c.inRemarks && !RemarkPhrase(c).empty();
}

void ApplyRemarkPhrase(DecodeContext& c) {
  c.stepText = std::string(RemarkPhrase(c));
  c.Consume(1);
}

}  // namespace aerolume
