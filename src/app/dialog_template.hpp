// The layouts of the main dialog and the About box, in dialog units.
#pragma once

#include <QRect>
#include <QSize>
#include <span>

namespace aerolume {

// Control ids of the main dialog.
enum ControlId {
  kStationList = 1000,
  kMetarRaw = 1001,
  kMetarDecoded = 1002,
  kMetarTime = 1003,
  kWindPlaceholder = 1004,
  kTafRaw = 1010,
  kTafDecoded = 1011,
  kTafTime = 1012,
  kCaption = -1,  // static captions have no id of their own
};

struct ControlTemplate {
  int id;
  const char* text;  // caption text; empty for fields
  QRect rect;        // x, y, width, height in dialog units
};

// The main dialog, 446 x 326 dialog units, controls in tab order.
inline constexpr QSize kMainDialogSize{446, 326};
std::span<const ControlTemplate> MainDialogControls();
const ControlTemplate& MainDialogControl(int id);

// The About box, 136 x 68 dialog units.
inline constexpr QSize kAboutDialogSize{136, 68};
inline constexpr QRect kAboutIconRect{11, 17, 20, 20};
inline constexpr QRect kAboutTitleRect{40, 10, 82, 8};
inline constexpr QRect kAboutNoticeRect{39, 26, 86, 8};
inline constexpr QRect kAboutOkRect{41, 45, 50, 16};

}  // namespace aerolume
