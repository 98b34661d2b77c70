// The station list: a drop-down list that tells when its drop-down closes, since
// a station is fetched only then, not while the arrow keys move the selection.
#pragma once

#include <QComboBox>

namespace aerolume {

class StationComboBox : public QComboBox {
  Q_OBJECT

 public:
  explicit StationComboBox(QWidget* parent = nullptr);

  void hidePopup() override;

 signals:
  // Queued after the drop-down has closed, once the chosen entry is current.
  void closeUp();
};

}  // namespace aerolume
