#pragma once
// A container panel that paints its Picture stretched over the whole client area when a
// picture is set and Redraw is true; it never erases its background otherwise. A new
// picture repaints the panel and all its children. OnMessage is called with every
// event after normal processing. OnMouseDown reports presses; to let the member drag a
// borderless window by its background, call EnableWindowDrag (core/qt/WindowDrag.h).
#include <QPixmap>
#include <QWidget>
#include <functional>

namespace velomira {

class TPicturePanel : public QWidget {
  Q_OBJECT
 public:
  explicit TPicturePanel(QWidget* parent = nullptr);

  const QPixmap& Picture() const { return picture_; }
  void SetPicture(const QPixmap& picture);

  bool Redraw() const { return redraw_; }
  void SetRedraw(bool redraw);

  // Stored for the windows; has no behaviour of its own.
  bool Locked() const { return locked_; }
  void SetLocked(bool locked) { locked_ = locked; }

  std::function<void(QEvent*)> OnMessage;

 signals:
  void OnMouseDown(Qt::MouseButton button, QPoint position);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QPixmap picture_;
  bool redraw_ = true;
  bool locked_ = false;
};

}  // namespace velomira
