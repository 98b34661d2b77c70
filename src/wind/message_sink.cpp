#include "wind/message_sink.hpp"

#include <QCoreApplication>

namespace aerolume {

void MessageBoxSink::ShowMessage(const QString& text, QMessageBox::Icon icon) {
  QMessageBox box(icon, QCoreApplication::applicationName(), text, QMessageBox::Ok, m_parent);
  // The text may come from a weather server; show it as written, never as markup.
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace aerolume
