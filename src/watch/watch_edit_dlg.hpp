// The small dialog that sets one station's limits: each limit on or off with its value,
// the setting to stay in the tray, and a button that ends the watch.
#pragma once

#include <QDialog>
#include <optional>

#include "conditions/watch_limits.hpp"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QSpinBox;

namespace aerolume {

class WatchEditDlg : public QDialog {
  Q_OBJECT

 public:
  // `title` names the station: "RJAA 成田国際空港".
  WatchEditDlg(const QString& title, const WatchLimits& limits, bool keepInTray,
               QWidget* parent = nullptr);

  // The limits as set; nothing when the user ended the watch.
  std::optional<WatchLimits> Limits() const;
  bool KeepInTray() const;

 private:
  struct Threshold {
    QCheckBox* on = nullptr;
    QSpinBox* value = nullptr;
  };
  Threshold AddThreshold(QFormLayout* form, const QString& label, const QString& unit, int maximum,
                         int step, const std::optional<int>& value, int fallback);
  static std::optional<int> ValueOf(const Threshold& threshold);

  QComboBox* m_category = nullptr;
  Threshold m_ceiling;
  Threshold m_visibility;
  Threshold m_crosswind;
  Threshold m_gust;
  QCheckBox* m_thunder = nullptr;
  QCheckBox* m_speci = nullptr;
  QCheckBox* m_keepInTray = nullptr;
  bool m_ended = false;
};

}  // namespace aerolume
