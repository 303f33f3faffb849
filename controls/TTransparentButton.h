#pragma once
// An invisible rectangular hot area laid over a window's background picture: paints
// nothing, shows the hand cursor, raises OnMouseEnter / OnMouseExit, and OnClick on a
// left press and release inside it.
#include <QWidget>

namespace velomira {

class TTransparentButton : public QWidget {
  Q_OBJECT
 public:
  explicit TTransparentButton(QWidget* parent = nullptr);

 signals:
  void OnClick();
  void OnMouseEnter();
  void OnMouseExit();

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

}  // namespace velomira
