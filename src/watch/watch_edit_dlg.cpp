#include "watch/watch_edit_dlg.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace aerolume {

namespace {

// The category list's entries after "なし": alert when worse than this one.
constexpr FlightCategory kCategories[] = {FlightCategory::Vfr, FlightCategory::Mvfr,
                                          FlightCategory::Ifr};

}  // namespace

WatchEditDlg::WatchEditDlg(const QString& title, const WatchLimits& limits, bool keepInTray,
                           QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("監視: ") + title);
  auto* form = new QFormLayout;
  m_category = new QComboBox(this);
  m_category->addItem(QStringLiteral("なし"));
  for (FlightCategory category : kCategories) {
    m_category->addItem(
        QStringLiteral("%1 より悪い").arg(QString::fromUtf8(CategoryName(category))));
    if (limits.worseThan == category) m_category->setCurrentIndex(m_category->count() - 1);
  }
  form->addRow(QStringLiteral("飛行区分"), m_category);
  m_ceiling = AddThreshold(form, QStringLiteral("雲底が次より低い"), QStringLiteral(" フィート"),
                           10000, 100, limits.ceilingBelowFt, 1000);
  m_visibility = AddThreshold(form, QStringLiteral("視程が次より短い"), QStringLiteral(" m"), 9999,
                              100, limits.visibilityBelowM, 5000);
  m_crosswind = AddThreshold(form, QStringLiteral("横風が次より強い"), QStringLiteral(" KT"), 99, 1,
                             limits.crosswindAboveKt, 15);
  m_gust = AddThreshold(form, QStringLiteral("突風が次より強い"), QStringLiteral(" KT"), 99, 1,
                        limits.gustAboveKt, 25);
  m_thunder = new QCheckBox(QStringLiteral("雷・積乱雲 (TS, VCTS, CB, LTG)"), this);
  m_thunder->setChecked(limits.thunder);
  form->addRow(m_thunder);
  m_speci = new QCheckBox(QStringLiteral("新しい SPECI"), this);
  m_speci->setChecked(limits.speci);
  form->addRow(m_speci);
  m_keepInTray = new QCheckBox(QStringLiteral("ウィンドウを閉じてもトレイで監視を続ける"), this);
  m_keepInTray->setChecked(keepInTray);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  QPushButton* end =
      buttons->addButton(QStringLiteral("監視をやめる"), QDialogButtonBox::DestructiveRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(end, &QPushButton::clicked, this, [this] {
    m_ended = true;
    accept();
  });
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(m_keepInTray);
  layout->addWidget(buttons);
}

WatchEditDlg::Threshold WatchEditDlg::AddThreshold(QFormLayout* form, const QString& label,
                                                   const QString& unit, int maximum, int step,
                                                   const std::optional<int>& value, int fallback) {
  Threshold threshold{new QCheckBox(label, this), new QSpinBox(this)};
  threshold.value->setRange(1, maximum);
  threshold.value->setSingleStep(step);
  threshold.value->setSuffix(unit);
  threshold.value->setValue(value.value_or(fallback));
  threshold.on->setChecked(value.has_value());
  threshold.value->setEnabled(value.has_value());
  connect(threshold.on, &QCheckBox::toggled, threshold.value, &QWidget::setEnabled);
  form->addRow(threshold.on, threshold.value);
  return threshold;
}

std::optional<int> WatchEditDlg::ValueOf(const Threshold& threshold) {
  if (!threshold.on->isChecked()) return std::nullopt;
  return threshold.value->value();
}

std::optional<WatchLimits> WatchEditDlg::Limits() const {
  if (m_ended) return std::nullopt;
  WatchLimits limits;
  const int category = m_category->currentIndex();
  if (category > 0) limits.worseThan = kCategories[category - 1];
  limits.ceilingBelowFt = ValueOf(m_ceiling);
  limits.visibilityBelowM = ValueOf(m_visibility);
  limits.crosswindAboveKt = ValueOf(m_crosswind);
  limits.gustAboveKt = ValueOf(m_gust);
  limits.thunder = m_thunder->isChecked();
  limits.speci = m_speci->isChecked();
  return limits;
}

bool WatchEditDlg::KeepInTray() const {
  return m_keepInTray->isChecked();
}

}  // namespace aerolume
