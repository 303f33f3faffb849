#pragma once
// The category drop-down of the daily and search windows: a first item for "no
// category" (its text differs by window), then the nine categories in display order.
// The service numbers the categories its own way; the combo's position is turned into
// the service's number here and nowhere else.
#include <QRect>

class QComboBox;
class QWidget;

namespace velomira {

// CmbCate with firstItem and the nine categories, at index 0.
QComboBox* MakeCategoryCombo(QWidget* parent, const char* firstItem, const QRect& place);
// The service's category number (cate1) for a combo index: 0 for the first item (and
// for anything outside the list), otherwise News 1, Money 6, Sports 5, Music 2, ...
int CategoryNumber(int comboIndex);

}  // namespace velomira
