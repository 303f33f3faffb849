#include "controls/TImage.h"

#include <QPainter>

namespace velomira {

TImage::TImage(QWidget* parent) : QWidget(parent) {}

void TImage::SetPicture(const QPixmap& picture) {
  picture_ = picture;
  if (autoSize_ && !picture_.isNull()) resize(picture_.deviceIndependentSize().toSize());
  update();
}

void TImage::SetStretch(bool stretch) {
  stretch_ = stretch;
  update();
}

void TImage::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  if (autoSize_ && !picture_.isNull()) resize(picture_.deviceIndependentSize().toSize());
}

void TImage::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  if (stretch_)
    painter.drawPixmap(rect(), picture_);
  else
    painter.drawPixmap(0, 0, picture_);
}

}  // namespace velomira
