#pragma once
// A plain picture control: shows Picture at its top-left corner, or stretched over the
// whole control when Stretch is set. With AutoSize the control takes the picture's
// natural size whenever the picture changes. A null picture paints nothing, so the
// parent's background shows through.
#include <QPixmap>
#include <QWidget>

namespace velomira {

class TImage : public QWidget {
  Q_OBJECT
 public:
  explicit TImage(QWidget* parent = nullptr);

  const QPixmap& Picture() const { return picture_; }
  void SetPicture(const QPixmap& picture);  // repaints

  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
  bool stretch_ = false;
  bool autoSize_ = false;
};

}  // namespace velomira
