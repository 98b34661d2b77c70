// The ordered chain of group rules; the first whose test holds decodes the group.
#pragma once

#include <span>

#include "decoder/decode_context.hpp"

namespace aerolume {

struct GroupRule {
  const char* name;
  bool (*test)(const DecodeContext&);
  void (*apply)(DecodeContext&);
};

std::span<const GroupRule> RuleTable();

}  // namespace aerolume
