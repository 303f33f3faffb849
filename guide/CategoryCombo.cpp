#include "CategoryCombo.h"

#include <QComboBox>

#include "GuideLayout.h"
#include "controls/CodePageText.h"
#include "core/dFunc.h"

namespace velomira {

QComboBox* MakeCategoryCombo(QWidget* parent, const char* firstItem, const QRect& place) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName("CmbCate");
  combo->setFont(guide_layout::LabelFont());
  combo->addItem(ToQString(firstItem));
  for (const CategoryInfo& category : CategoryTable) combo->addItem(ToQString(category.DisplayName));
  combo->setGeometry(place);
  return combo;
}

int CategoryNumber(int comboIndex) {
  if (comboIndex < 1 || comboIndex > static_cast<int>(CategoryTable.size())) return 0;
  return CategoryTable[static_cast<std::size_t>(comboIndex - 1)].ServiceCode;
}

}  // namespace velomira
