#include "app/station_combo_box.hpp"

namespace aerolume {

StationComboBox::StationComboBox(QWidget* parent) : QComboBox(parent) {
  setEditable(false);
  setInsertPolicy(QComboBox::InsertAlphabetically);
}

void StationComboBox::hidePopup() {
  QComboBox::hidePopup();
  QMetaObject::invokeMethod(this, &StationComboBox::closeUp, Qt::QueuedConnection);
}

}  // namespace aerolume
