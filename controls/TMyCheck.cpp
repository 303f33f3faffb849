#include "controls/TMyCheck.h"

namespace velomira {

TMyCheck::TMyCheck(QWidget* parent) : QCheckBox(parent) {}

void TMyCheck::enterEvent(QEnterEvent* event) {
  QCheckBox::enterEvent(event);
  emit OnMouseEnter();
}

void TMyCheck::leaveEvent(QEvent* event) {
  QCheckBox::leaveEvent(event);
  emit OnMouseExit();
}

}  // namespace velomira
