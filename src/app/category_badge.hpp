// The METAR's flight category as a small coloured badge at the right end of its
// time field, coloured as aviation weather maps colour it, with a tooltip saying why.
#pragma once

#include <QLabel>

#include "conditions/flight_category.hpp"
#include "wind/category_colour.hpp"

class QLineEdit;

namespace aerolume {

class CategoryBadge : public QLabel {
 public:
  // Placed inside `timeField`, whose text then stops short of it.
  explicit CategoryBadge(QLineEdit* timeField);

  // Hidden for an unknown category.
  void ShowCategory(const CategoryJudgement& judgement);
};

}  // namespace aerolume
