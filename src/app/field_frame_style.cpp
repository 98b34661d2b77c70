#include "app/field_frame_style.hpp"

#include <QApplication>
#include <QPlainTextEdit>
#include <QStyleFactory>

namespace aerolume {

FieldFrameStyle::FieldFrameStyle()
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

void FieldFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
  if (element == PE_Frame && qobject_cast<const QPlainTextEdit*>(widget) != nullptr) {
    element = PE_FrameLineEdit;
  }
  QProxyStyle::drawPrimitive(element, option, painter, widget);
}

}  // namespace aerolume
