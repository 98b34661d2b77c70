#include "app/category_badge.hpp"

#include <QLineEdit>

#include "conditions/category_reason.hpp"

namespace aerolume {

namespace {

constexpr int kInset = 2;  // pixels between the badge and the field's frame

}  // namespace

CategoryBadge::CategoryBadge(QLineEdit* timeField) : QLabel(timeField) {
  setObjectName(QStringLiteral("metarCategory"));
  setAlignment(Qt::AlignCenter);
  setTextFormat(Qt::PlainText);
  QFont badgeFont = font();
  badgeFont.setBold(true);
  setFont(badgeFont);
  // Wide enough for the longest name, LIFR, and as tall as the field's inside.
  const int width = fontMetrics().horizontalAdvance(QStringLiteral("LIFR")) + 4 * kInset;
  const int height = timeField->height() - 2 * kInset;
  setGeometry(timeField->width() - width - kInset, kInset, width, height);
  timeField->setTextMargins(0, 0, width + kInset, 0);
  hide();
}

void CategoryBadge::ShowCategory(const CategoryJudgement& judgement) {
  if (judgement.category == FlightCategory::Unknown) {
    hide();
    return;
  }
  setText(QString::fromUtf8(CategoryName(judgement.category).data(),
                            static_cast<qsizetype>(CategoryName(judgement.category).size())));
  setToolTip(QString::fromStdString(CategoryReasonJapanese(judgement)));
  setStyleSheet(QStringLiteral("color: white; background-color: %1; border-radius: 3px;")
                    .arg(CategoryColour(judgement.category).name()));
  show();
}

}  // namespace aerolume
