#include <QCoreApplication>
#include <QRegion>
#include <QThread>
#include <QWidget>
#include <algorithm>

#include "core/dFunc.h"
#include "core/qt/WindowChrome.h"
#include "platform/WindowsVersion.h"
#include "platform/qt/Sounds.h"

namespace velomira {

namespace {

constexpr int StepHeight = 50;
constexpr int StepMove = StepHeight / 2;

// One animation frame: shaped windows repaint, the unshaped branch lets pending window
// messages through instead. Either way the pause keeps the steps visible.
void ShowStep(QWidget* window, bool shaped) {
  if (shaped)
    window->repaint();
  else
    QCoreApplication::processEvents();
  QThread::msleep(1);
}

void PlaceWindow(QWidget* window, int top, int height) {
  window->move(window->x(), top);
  window->resize(window->width(), std::max(height, 1));
}

}  // namespace

QRegion SwapClosingShape(int width, int height, int step) {
  const int lastRow = height - StepHeight;
  const int d = height < StepHeight + 1 ? 1 : lastRow;
  QRegion shape;
  for (int row = 0; row <= lastRow; ++row) {
    const int inset = ToInt(static_cast<double>(step) * (d - row) * 5 / d);
    if (width - 2 * inset > 0) shape += QRect(inset, row, width - 2 * inset, 1);
  }
  // An empty region would clear the mask and show the whole window again; a pixel
  // outside the window keeps it fully hidden.
  if (shape.isEmpty()) shape = QRegion(-1, -1, 1, 1);
  return shape;
}

void SwapMainPanel(QWidget* fromPanel, QWidget* toPanel) {
  if (fromPanel == nullptr || toPanel == nullptr || fromPanel == toPanel ||
      fromPanel->parentWidget() == nullptr)
    return;
  QWidget* frame = fromPanel->parentWidget();
  QWidget* window = fromPanel->window();
  const bool shaped = WindowsVersionName() != "95";

  PlayMainSound();
  State().PanelSwapDone = false;
  toPanel->hide();
  const int top = window->y();
  const int fullHeight = window->height();
  const int width = window->width();
  const QSize minimum = window->minimumSize();
  const QSize maximum = window->maximumSize();
  window->setMinimumSize(0, 0);
  window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  fromPanel->setUpdatesEnabled(false);

  int windowTop = top;
  int height = fullHeight;
  for (int step = 1; height > 0; ++step) {
    if (shaped) window->setMask(SwapClosingShape(width, height, step));
    windowTop += StepMove;
    height -= StepHeight;
    PlaceWindow(window, windowTop, height);
    ShowStep(window, shaped);
  }

  fromPanel->setUpdatesEnabled(true);
  fromPanel->hide();
  toPanel->setParent(frame);
  // The panel grows with the window from nothing, so the opening mirrors the closing.
  toPanel->setGeometry(0, 0, frame->width(), 0);
  toPanel->show();
  toPanel->setUpdatesEnabled(false);
  if (shaped) window->setMask(QRegion(0, 0, width, fullHeight));

  while (height < fullHeight) {
    if (fullHeight < toPanel->height() + StepHeight) {
      toPanel->resize(toPanel->width(), fullHeight);
      height = fullHeight;
    } else {
      toPanel->resize(toPanel->width(), toPanel->height() + StepHeight);
      height += StepHeight;
    }
    windowTop -= StepMove;
    PlaceWindow(window, windowTop, height);
    ShowStep(window, shaped);
  }

  toPanel->setUpdatesEnabled(true);
  window->setMinimumSize(minimum);
  window->setMaximumSize(maximum);
  window->move(window->x(), top);
  window->resize(width, fullHeight);
  window->clearMask();
  toPanel->setGeometry(frame->rect());
  toPanel->repaint();
  State().PanelSwapDone = true;
  StopSounds();
}

}  // namespace velomira
