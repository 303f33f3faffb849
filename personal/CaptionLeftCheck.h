#pragma once
// A check box whose caption stands at its left and whose box at its right edge, so the
// boxes of stacked rows line up under one heading. The caption is plain text: an "&"
// in it shows as it is.
#include <string>

#include "controls/TMyCheck.h"

namespace velomira {

class CaptionLeftCheck : public TMyCheck {
  Q_OBJECT
 public:
  explicit CaptionLeftCheck(QWidget* parent);

  // Caption from a core text.
  void SetCaption(const std::string& codePageText);
  // Background and caption colours (the rows and the popup colour them by the mouse).
  void SetColors(const QColor& background, const QColor& text);

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool hitButton(const QPoint& pos) const override;
};

}  // namespace velomira
