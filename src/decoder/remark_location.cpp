#include "decoder/remark_location.hpp"

#include "translators/remark_words.hpp"

namespace aerolume {

bool HasLocation(const DecodeContext& c) {
  if (!TranslateDistance(c.Neighbour(1)).empty() && !JoinDirections(c.Neighbour(2)).empty()) {
    return true;
  }
  return !JoinDirections(c.Neighbour(1)).empty();
}

Location ReadLocation(const DecodeContext& c) {
  Location location;
  int offset = 1;
  const std::string distance = TranslateDistance(c.Neighbour(offset));
  if (!distance.empty()) {
    location.text = distance;
    ++offset;
  }
  location.text += JoinDirections(c.Neighbour(offset));
  if (c.Neighbour(offset + 1) == "-" && c.HasNeighbour(offset + 2)) {
    offset += 2;
    location.text += "と" + JoinDirections(c.Neighbour(offset));
  }
  location.lastOffset = offset;
  return location;
}

int AppendMovement(const DecodeContext& c, int lastOffset, std::string& text) {
  const std::string movement = MovementName(c.Neighbour(lastOffset + 1));
  if (movement.empty()) {
    text += "あり";
    return lastOffset;
  }
  const std::string towards = JoinDirections(c.Neighbour(lastOffset + 2));
  if (towards.empty()) {
    text += "あって" + movement;
    return lastOffset + 1;
  }
  text += "あって" + towards + "に" + movement;
  return lastOffset + 2;
}

}  // namespace aerolume
