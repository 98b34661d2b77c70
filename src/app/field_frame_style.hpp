// The frame of the multi-line report fields drawn as the style draws a line edit's,
// so that, like the time fields and the station list, they show when they have the
// keyboard focus: the plain frame that the style gives text areas looks the same
// with and without it.
#pragma once

#include <QProxyStyle>

namespace aerolume {

class FieldFrameStyle : public QProxyStyle {
  Q_OBJECT

 public:
  // Over the application's style.
  FieldFrameStyle();

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace aerolume
