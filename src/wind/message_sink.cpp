#include "wind/message_sink.hpp"

#include <QCoreApplication>

namespace aerolume {

void MessageBoxSink::ShowMessage(const QString& text, QMessageBox::Icon icon) {
  QMessageBox box(icon, QCoreApplication::applicationName(), text, QMessageBox::Ok, m_parent);
  box.exec();
}

}  // namespace aerolume
