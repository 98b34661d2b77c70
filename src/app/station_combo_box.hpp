// The station list: a drop-down list that tells when a station has been chosen.
// With the mouse that is when its drop-down closes, not while it moves over the
// entries; with the keyboard it is Enter, or a pause after keys (a typed code, the
// arrows) moved the selection of the closed list, so that typing "RJTT" fetches RJTT
// once rather than RJAA, then RJTA, on the way.
#pragma once

#include <QComboBox>
#include <chrono>

class QTimer;

namespace aerolume {

class StationComboBox : public QComboBox {
  Q_OBJECT

 public:
  // How long the keys must rest before the station they selected is fetched.
  static constexpr std::chrono::milliseconds kTypingPause{500};

  explicit StationComboBox(QWidget* parent = nullptr);

  void hidePopup() override;

 signals:
  // Queued after the drop-down has closed, once the chosen entry is current.
  void closeUp();
  // Enter on the closed list, or the keys' pause after they moved its selection.
  void chosenByKeyboard();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void OnActivated();

  QTimer* m_typingPause;
};

}  // namespace aerolume
