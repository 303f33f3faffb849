#include "controls/THoverImage.h"

#include <QMouseEvent>

namespace velomira {

THoverImage::THoverImage(QWidget* parent) : TImage(parent) {
  setCursor(Qt::PointingHandCursor);
}

void THoverImage::SetPictureExit(const QPixmap& picture) {
  pictureExit_ = picture;
  update();
}

void THoverImage::SetPictureEnter(const QPixmap& picture) {
  pictureEnter_ = picture;
  update();
}

void THoverImage::SetPictureDown(const QPixmap& picture) {
  pictureDown_ = picture;
  update();
}

void THoverImage::SetClicked(bool clicked) {
  clicked_ = clicked;
  SetPicture(clicked ? pictureDown_ : pictureExit_);
}

void THoverImage::enterEvent(QEnterEvent* event) {
  TImage::enterEvent(event);
  if (!pictureEnter_.isNull()) SetPicture(pictureEnter_);
  emit OnMouseEnter();
}

void THoverImage::leaveEvent(QEvent* event) {
  TImage::leaveEvent(event);
  if (!clicked_ && !pictureExit_.isNull()) SetPicture(pictureExit_);
  emit OnMouseExit();
}

void THoverImage::mousePressEvent(QMouseEvent* event) {
  // Any button shows the pressed look; only the left one can make a click.
  SetPicture(pictureDown_);
  if (event->button() == Qt::LeftButton) pressed_ = true;
}

void THoverImage::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  if (rect().contains(event->position().toPoint())) emit OnClick();
}

}  // namespace velomira
