#pragma once
// The preset alarm: a bubble that rises from the bottom of the screen, shakes, bursts
// and gives way to the "starts now" box. The window has the outline of its picture:
// black pixels are outside it.
#include <QDialog>
#include <QPixmap>
#include <functional>
#include <string>

class QTimer;

namespace velomira {

class Tfrmalarm : public QDialog {
  Q_OBJECT
 public:
  // title and address: the preset that rang. ended runs once, when the bubble has burst
  // and left the "starts now" box behind.
  Tfrmalarm(std::string title, std::string address, std::function<void()> ended,
            QWidget* parent = nullptr);

  QTimer* Timer1;  // shake and burst, 500 ms
  QTimer* Timer2;  // rise, 50 ms
  QTimer* Timer3;  // bubble frames, 300 ms

  void Timer1Timer();
  void Timer2Timer();
  void Timer3Timer();
  void FormClick();
  // Loads a picture file and makes it the window's picture and outline; false when the
  // file could not be read (the window keeps what it had).
  bool imagecall(const std::string& path);

  const std::string& Address() const { return address_; }
  const QPixmap& Picture() const { return picture_; }
  bool Bursting() const { return bursting_; }

 protected:
  void showEvent(QShowEvent* event) override;  // the window's activation
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void Burst(bool clicked);
  void FinishBurst();
  void ApplyOutline();

  std::string BurstPicturePath() const;

  std::string title_;
  std::string address_;
  std::function<void()> ended_;
  char style_ = 'a';    // "a" to "d": prefix of the bubble pictures
  int styleIndex_ = 0;  // 0-3; the burst picture is numbered styleIndex_ + 1
  int shakeCount_ = 0;
  int frameCount_ = 0;
  QPixmap picture_;
  bool bursting_ = false;
};

// Shows the alarm for one preset modally and returns when its window has closed;
// ended as for Tfrmalarm.
void ShowPresetAlarm(const std::string& title, const std::string& address,
                     std::function<void()> ended);

// The outline of a picture drawn at the bottom-right corner of a window of the given
// size: every pixel that is neither black nor fully transparent.
QRegion PictureOutline(const QImage& picture, QSize window);

}  // namespace velomira
