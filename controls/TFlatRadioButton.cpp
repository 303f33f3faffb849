#include "controls/TFlatRadioButton.h"

#include <QPainter>

#include "controls/CodePageText.h"

namespace velomira {

namespace {
constexpr int RingSize = 11;
constexpr int CaptionGap = 4;
}  // namespace

TFlatRadioButton::TFlatRadioButton(QWidget* parent) : QRadioButton(parent) {
  SetTransparent(true);
}

void TFlatRadioButton::SetCaption(const std::string& codePageText) {
  setText(ShortcutFreeText(codePageText));
}

void TFlatRadioButton::SetTransparent(bool transparent) {
  transparent_ = transparent;
  setAutoFillBackground(!transparent);
  update();
}

void TFlatRadioButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPalette& colors = palette();
  const QColor ink = colors.color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                  QPalette::WindowText);
  const QRect ring(0, (height() - RingSize) / 2, RingSize, RingSize);
  painter.setPen(QPen(ink, 1));
  painter.setBrush(isEnabled() ? colors.color(QPalette::Base) : colors.color(QPalette::Window));
  painter.drawEllipse(ring);
  if (isChecked()) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawEllipse(ring.adjusted(3, 3, -3, -3));
  }
  painter.setPen(ink);
  const QRect caption = rect().adjusted(RingSize + CaptionGap, 0, 0, 0);
  QString shown = text();
  shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
  painter.drawText(caption, Qt::AlignVCenter | Qt::AlignLeft, shown);
}

}  // namespace velomira
