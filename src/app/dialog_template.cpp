#include "app/dialog_template.hpp"

#include <stdexcept>

namespace aerolume {

namespace {

// Three columns: the METAR on the left, the TAF in the middle, the wind display
// and the two raw reports on the right.
constexpr ControlTemplate kMainControls[] = {
    {kStationList, "", {7, 7, 114, 147}},  // the height includes the drop-down
    {kCaption, "METAR", {7, 25, 24, 8}},  {kMetarTime, "", {7, 38, 137, 14}},
    {kMetarRaw, "", {300, 203, 139, 44}}, {kMetarDecoded, "", {7, 57, 137, 261}},
    {kCaption, "TAF", {153, 25, 42, 8}},  {kTafTime, "", {153, 38, 138, 14}},
    {kTafRaw, "", {300, 253, 139, 65}},   {kTafDecoded, "", {153, 57, 138, 261}},
    {kCaption, "WIND", {300, 25, 18, 8}}, {kWindPlaceholder, "", {300, 38, 137, 148}},
    {kCaption, "RAW", {300, 192, 16, 8}},
};

}  // namespace

std::span<const ControlTemplate> MainDialogControls() {
  return kMainControls;
}

const ControlTemplate& MainDialogControl(int id) {
  for (const ControlTemplate& control : kMainControls) {
    if (control.id == id) return control;
  }
  throw std::out_of_range("no such control in the main dialog");
}

}  // namespace aerolume
