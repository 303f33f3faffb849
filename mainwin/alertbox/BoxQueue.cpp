#include "mainwin/alertbox/BoxQueue.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <memory>

namespace velomira {

namespace {

int showingBoxes = 0;

void CentreOnScreen(QDialog* box) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->geometry();
  box->move(area.x() + (area.width() - box->width()) / 2,
            area.y() + (area.height() - box->height()) / 2);
}

}  // namespace

void WaitUntilNoBoxShows() {
  // The earlier box counts as gone once it is hidden, before its modal loop unwinds;
  // otherwise the waiting box would hold up the loop it waits for.
  while (showingBoxes > 0)
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
}

int ExecBox(QDialog* box) {
  ++showingBoxes;
  // Counted off when the box finishes, or when its loop ends some other way.
  auto showing = std::make_shared<bool>(true);
  const auto countOff = [showing] {
    if (*showing) --showingBoxes;
    *showing = false;
  };
  QObject::connect(box, &QDialog::finished, box, countOff);
  CentreOnScreen(box);
  const int result = box->exec();
  countOff();
  return result;
}

}  // namespace velomira
