#include "CaptionLeftCheck.h"

#include <QPainter>
#include <QStyleOptionButton>

#include "controls/CodePageText.h"

namespace velomira {

CaptionLeftCheck::CaptionLeftCheck(QWidget* parent) : TMyCheck(parent) {
  setCursor(Qt::PointingHandCursor);
  setAutoFillBackground(true);
}

void CaptionLeftCheck::SetCaption(const std::string& codePageText) {
  // Doubled, because a check box reads a single "&" as a shortcut mark.
  setText(ShortcutFreeText(codePageText));
}

void CaptionLeftCheck::SetColors(const QColor& background, const QColor& text) {
  QPalette colors = palette();
  colors.setColor(QPalette::Window, background);
  colors.setColor(QPalette::Button, background);
  colors.setColor(QPalette::WindowText, text);
  setPalette(colors);
}

void CaptionLeftCheck::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QRect box = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
  const QRect indicator(width() - box.width() - 2, (height() - box.height()) / 2, box.width(), box.height());
  QStyleOptionButton boxOption = option;
  boxOption.rect = indicator;
  style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &boxOption, &painter, this);
  const QRect caption(2, 0, indicator.left() - 4, height());
  style()->drawItemText(&painter, caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, palette(),
                        isEnabled(), text(), QPalette::WindowText);
}

bool CaptionLeftCheck::hitButton(const QPoint& pos) const { return rect().contains(pos); }

}  // namespace velomira
