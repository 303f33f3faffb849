#include "controls/THoverLabel.h"

#include <QMouseEvent>

#include "controls/CodePageText.h"
#include "platform/Browser.h"

namespace velomira {

THoverLabel::THoverLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setCursor(Qt::PointingHandCursor);
  colorExit_ = FontColor();
}

void THoverLabel::SetCaption(const std::string& codePageText) {
  setText(MessageText(codePageText));
}

QColor THoverLabel::FontColor() const { return palette().color(QPalette::WindowText); }

void THoverLabel::SetFontColor(const QColor& color) {
  QPalette colors = palette();
  colors.setColor(QPalette::WindowText, color);
  setPalette(colors);
}

void THoverLabel::SetClicked(bool clicked) {
  clicked_ = clicked;
  SetFontColor(colorClick_);
}

void THoverLabel::SetEntered(bool entered) {
  entered_ = entered;
  if (clicked_) return;
  if (entered) {
    colorExit_ = FontColor();
    SetFontColor(colorEnter_);
  } else {
    SetFontColor(colorExit_);
  }
}

void THoverLabel::enterEvent(QEnterEvent* event) {
  QLabel::enterEvent(event);
  if (!clicked_) {
    colorExit_ = FontColor();
    SetFontColor(colorEnter_);
  }
  emit OnMouseEnter();
}

void THoverLabel::leaveEvent(QEvent* event) {
  QLabel::leaveEvent(event);
  if (!clicked_) SetFontColor(colorExit_);
  emit OnMouseExit();
}

void THoverLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressed_ = true;
}

void THoverLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  if (rect().contains(event->position().toPoint())) Click();
}

void THoverLabel::Click() {
  clicked_ = true;
  SetFontColor(colorClick_);
  if (!url_.empty()) OpenWebPage(url_);
  emit OnClick();
}

}  // namespace velomira
