#include "controls/TTransparentButton.h"

#include <QMouseEvent>

namespace velomira {

TTransparentButton::TTransparentButton(QWidget* parent) : QWidget(parent) {
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_NoSystemBackground);
  setAutoFillBackground(false);
}

void TTransparentButton::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  emit OnMouseEnter();
}

void TTransparentButton::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  emit OnMouseExit();
}

void TTransparentButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressed_ = true;
}

void TTransparentButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  if (rect().contains(event->position().toPoint())) emit OnClick();
}

}  // namespace velomira
