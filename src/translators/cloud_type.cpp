#include "translators/cloud_type.hpp"

#include "translators/vocabulary.hpp"

namespace aerolume {

namespace {

constexpr CodeText kCloudTypes[] = {
    {"CI", "絹雲"},   {"CC", "絹積雲"}, {"CS", "絹層雲"},    {"AC", "高積雲"},
    {"AS", "高層雲"}, {"NS", "乱層雲"}, {"SC", "層積雲"},    {"ST", "層雲"},
    {"CU", "積雲"},   {"CB", "積乱雲"}, {"TCU", "雄大積雲"},
};

}  // namespace

std::string_view CloudTypeName(std::string_view code) {
  return LookUp(kCloudTypes, code);
}

}  // namespace aerolume
