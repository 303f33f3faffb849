#include "controls/TPicturePanel.h"

#include <QMouseEvent>
#include <QPainter>

namespace velomira {

TPicturePanel::TPicturePanel(QWidget* parent) : QWidget(parent) {
  // Children and the picture cover everything; no background erase.
  setAttribute(Qt::WA_NoSystemBackground);
  setAutoFillBackground(false);
}

void TPicturePanel::SetPicture(const QPixmap& picture) {
  picture_ = picture;
  update();
  for (QWidget* child : findChildren<QWidget*>()) child->update();
}

void TPicturePanel::SetRedraw(bool redraw) {
  redraw_ = redraw;
  update();
}

bool TPicturePanel::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  if (OnMessage) OnMessage(event);
  return handled;
}

void TPicturePanel::paintEvent(QPaintEvent*) {
  if (picture_.isNull() || !redraw_) return;
  QPainter painter(this);
  painter.drawPixmap(rect(), picture_);
}

void TPicturePanel::mousePressEvent(QMouseEvent* event) {
  emit OnMouseDown(event->button(), event->position().toPoint());
  QWidget::mousePressEvent(event);
}

}  // namespace velomira
