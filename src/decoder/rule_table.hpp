// The ordered chain of group rules; the first whose test holds decodes the group.
#pragma once

#include <string_view>

#include "decoder/decode_context.hpp"

namespace aerolume {

// Where in a report a rule's test can hold.
enum class RulePlace { Anywhere, InRemarks };

struct GroupRule {
  const char* name;
  bool (*test)(const DecodeContext&);
  void (*apply)(DecodeContext&);
  // The bytes a group this rule takes can start with; empty when it may be any.
  std::string_view firstBytes;
  // InRemarks for a rule whose test holds only after RMK.
  RulePlace place = RulePlace::Anywhere;
};

// Applies the first rule whose test holds for the current group.
void DecodeGroup(DecodeContext& context);

}  // namespace aerolume
