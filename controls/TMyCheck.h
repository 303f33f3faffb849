#pragma once
// An ordinary check box that also reports the mouse entering and leaving it.
#include <QCheckBox>

namespace velomira {

class TMyCheck : public QCheckBox {
  Q_OBJECT
 public:
  explicit TMyCheck(QWidget* parent = nullptr);

 signals:
  void OnMouseEnter();
  void OnMouseExit();

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
};

}  // namespace velomira
