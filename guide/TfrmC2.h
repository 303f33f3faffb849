#pragma once
// The sub-category picker: a small borderless pop-up beside a category button of the
// main window that lists the category's sub-categories on dark glass. Choosing one
// shows that sub-category's list in the main window; the pop-up closes as soon as the
// pointer leaves it.
#include <QElapsedTimer>
#include <QSize>
#include <QTimer>
#include <QWidget>
#include <string>

class QFrame;
class QScrollBar;

namespace velomira {

class MainWindowHost;
class THoverImage;
class THoverLabel;

class TfrmC2 : public QWidget {
  Q_OBJECT
 public:
  // The picker of category 1-9 (the main window's numbering): its left edge at the
  // button's right edge, its top at the button's middle, moved inside the screen.
  // Frees itself when it closes.
  TfrmC2(MainWindowHost& host, int category, QWidget* button);

  // Click on a sub-category label.
  void Choose(THoverLabel* label);
  // The pointer left the backdrop or a label: closes when it is outside the pop-up.
  void LeaveCheck();
  // Closes without giving the main window its category highlight back: another
  // picker takes this one's place.
  void Replace();
  // The main window has become active: closes, unless the click that opened this
  // picker is what activated it (that activation may arrive after the click).
  void MainWindowActivated();

  int Category() const { return category_; }
  bool Grown() const { return !growth_.isActive(); }

  THoverImage* Image1;      // the backdrop, under everything
  QWidget* PnlLabels;       // the sub-category labels
  QScrollBar* scbLabels = nullptr;  // only when the labels do not fit on the screen
  QFrame* Outline = nullptr;  // the pop-up's edge, over everything

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  int AddLabels();
  void FitScreenHeight(const QRect& screen);
  QPoint KeepOnScreen(QPoint place, const QRect& screen) const;
  void MakeBackdrop();
  void AddOutline();
  void GrowStep();

  MainWindowHost& host_;
  int category_;
  int widest_ = 0;       // the widest label
  QSize fullSize_;       // what the growth ends at
  QSize growing_{0, 8};  // the size the growth has reached
  QTimer growth_;
  bool replaced_ = false;
  QElapsedTimer age_;
};

// The size the picker's growth ends at for count labels, the widest this wide.
QSize PickerSize(int count, int widestLabel);

}  // namespace velomira
