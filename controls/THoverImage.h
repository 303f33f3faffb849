#pragma once
// A picture button with a normal, a hover and a pressed picture. The state rules:
// - mouse enters: PictureEnter (when set) becomes the shown Picture, then OnMouseEnter;
// - mouse leaves: unless Clicked, PictureExit (when set) becomes the shown Picture,
//   then OnMouseExit; a clicked image keeps its pressed look;
// - a mouse button pressed: PictureDown becomes the shown Picture; a left press and
//   release inside the control raises OnClick;
// - SetClicked(true) shows PictureDown, SetClicked(false) shows PictureExit;
// - setting one of the three extra pictures stores it and never changes Picture.
// Hand cursor. LoadButtonPictures (core/qt/WindowChrome.h) fills all four from the skin.
#include "controls/TImage.h"

namespace velomira {

class THoverImage : public TImage {
  Q_OBJECT
 public:
  explicit THoverImage(QWidget* parent = nullptr);

  const QPixmap& PictureExit() const { return pictureExit_; }
  const QPixmap& PictureEnter() const { return pictureEnter_; }
  const QPixmap& PictureDown() const { return pictureDown_; }
  void SetPictureExit(const QPixmap& picture);
  void SetPictureEnter(const QPixmap& picture);
  void SetPictureDown(const QPixmap& picture);

  bool Clicked() const { return clicked_; }
  void SetClicked(bool clicked);

  // Stored for the windows; has no behaviour of its own.
  bool ClickCheck() const { return clickCheck_; }
  void SetClickCheck(bool clickCheck) { clickCheck_ = clickCheck; }

 signals:
  void OnMouseEnter();
  void OnMouseExit();
  void OnClick();

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPixmap pictureExit_, pictureEnter_, pictureDown_;
  bool clicked_ = false;
  bool clickCheck_ = false;
  bool pressed_ = false;
};

}  // namespace velomira
