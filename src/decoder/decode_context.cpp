#include "decoder/decode_context.hpp"

namespace aerolume {

bool DecodeContext::HasNeighbour(int offset) const {
  const long long at = static_cast<long long>(index) + offset;
  return at >= 0 && at < static_cast<long long>(groups.size());
}

std::string_view DecodeContext::Neighbour(int offset) const {
  if (!HasNeighbour(offset)) return {};
  return groups[static_cast<std::size_t>(index + offset)];
}

}  // namespace aerolume
