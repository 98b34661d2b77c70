#include "wind/message_sink.hpp"

#include <QWidget>

namespace aerolume {

void MessageBoxSink::ShowMessage(const QString& text, QMessageBox::Icon icon) {
  // The program's name as its window shows it, not the executable's lower-case one.
  QMessageBox box(icon, QStringLiteral("Aerolume"), text, QMessageBox::Ok, m_parent);
  // A box is a window of its own, which does not take its parent's font unasked.
  if (m_parent != nullptr) box.setFont(m_parent->font());
  // The text may come from a weather server; show it as written, never as markup.
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace aerolume
