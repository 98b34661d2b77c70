// Where each runway designator sits in its station's diagram: the box of the label's
// ink in the 240-pixel picture, in whole pixels rounded outward. The generator writes
// the boxes beside the diagrams (resources/diagrams/designators.csv) and they are
// compiled in with them, so the window can find a label again in the finished picture
// instead of laying the diagram out a second time.
#pragma once

#include <QRect>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace aerolume {

struct DesignatorBox {
  std::string ident;  // "34R"
  QRect box;
};

// The station's designators in the order of its diagram; empty for a helipad and for a
// code without a diagram. Codes compare without regard to case, as the diagrams do.
std::vector<DesignatorBox> StationDesignators(std::string_view station);

// One designator's box, or none when the station's diagram does not show it.
std::optional<QRect> FindDesignator(std::string_view station, std::string_view ident);

}  // namespace aerolume
