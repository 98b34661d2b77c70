// The ordered chain of group rules; the first whose test holds decodes the group.
#pragma once

#include <string_view>

#include "decoder/decode_context.hpp"

namespace aerolume {

struct GroupRule {
  const char* name;
  bool (*test)(const DecodeContext&);
  void (*apply)(DecodeContext&);
  // The bytes a group this rule takes can start with; empty when it may be any.
  std::string_view firstBytes;
};

// Applies the first rule whose test holds for the current group.
void DecodeGroup(DecodeContext& context);

}  // namespace aerolume
