#include "decoder/decode_context.hpp"

namespace aerolume {

bool DecodeContext::HasNeighbour(int offset) const {
  const long long at = static_cast<long long>(index) + offset;
  return at >= 0 && at < static_cast<long long>(groups.size());
}

std::string DecodeContext::Neighbour(int offset) const {
  if (!HasNeighbour(offset)) return {};
  return GroupAt(groups, index + offset);
}

}  // namespace aerolume
