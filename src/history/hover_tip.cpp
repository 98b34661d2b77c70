#include "history/hover_tip.hpp"

#include <QToolTip>

namespace aerolume {

void ShowHoverTip(QWidget* widget, QHelpEvent* event,
                  const std::function<QString(QPointF)>& textAt) {
  const QString text = textAt(event->pos());
  if (text.isEmpty()) {
    QToolTip::hideText();
    event->ignore();
    return;
  }
  QToolTip::showText(event->globalPos(), text, widget);
}

}  // namespace aerolume
