#include "app/station_combo_box.hpp"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QTimer>

namespace aerolume {

StationComboBox::StationComboBox(QWidget* parent)
    : QComboBox(parent), m_typingPause(new QTimer(this)) {
  setEditable(false);
  setInsertPolicy(QComboBox::InsertAlphabetically);
  m_typingPause->setSingleShot(true);
  m_typingPause->setInterval(kTypingPause);
  connect(m_typingPause, &QTimer::timeout, this, &StationComboBox::chosenByKeyboard);
  connect(this, &QComboBox::activated, this, &StationComboBox::OnActivated);
}

void StationComboBox::hidePopup() {
  QComboBox::hidePopup();
  // An entry picked in the drop-down is activated after it closes; the close-up
  // fetches it, so the pause must not fetch it a second time.
  QMetaObject::invokeMethod(
      this,
      [this] {
        m_typingPause->stop();
        emit closeUp();
      },
      Qt::QueuedConnection);
}

void StationComboBox::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && !view()->isVisible()) {
    m_typingPause->stop();
    event->accept();
    emit chosenByKeyboard();
    return;
  }
  QComboBox::keyPressEvent(event);
}

// Each key that moves the closed list's selection starts the pause again.
void StationComboBox::OnActivated() {
  if (!view()->isVisible()) m_typingPause->start();
}

}  // namespace aerolume
