// The tooltip of a drawn widget: the text for the point under the pointer, or none.
#pragma once

#include <QHelpEvent>
#include <QString>
#include <functional>

class QWidget;

namespace aerolume {

// Shows what `textAt` gives for the event's point, or hides the tooltip where it
// gives nothing.
void ShowHoverTip(QWidget* widget, QHelpEvent* event,
                  const std::function<QString(QPointF)>& textAt);

}  // namespace aerolume
