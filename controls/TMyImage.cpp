#include "controls/TMyImage.h"

#include <QMouseEvent>

#include "platform/Browser.h"

namespace velomira {

TMyImage::TMyImage(QWidget* parent) : TImage(parent) { setCursor(Qt::PointingHandCursor); }

void TMyImage::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressed_ = true;
}

void TMyImage::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  if (!rect().contains(event->position().toPoint())) return;
  if (!url_.empty()) OpenWebPage(url_);
  emit OnClick();
}

}  // namespace velomira
