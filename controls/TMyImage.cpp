#include "controls/TMyImage.h"

#include <QMouseEvent>

namespace velomira {

TMyImage::TMyImage(QWidget* parent) : TImage(parent) { setCursor(Qt::PointingHandCursor); }

void TMyImage::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressed_ = true;
}

void TMyImage::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  if (!rect().contains(event->position().toPoint())) return;
  emit OnClick();
}

}  // namespace velomira
