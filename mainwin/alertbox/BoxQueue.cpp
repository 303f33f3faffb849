#include "mainwin/alertbox/BoxQueue.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>

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

int ExecBoxAlone(QDialog* box) {
  // A box asked for from inside another box's modal loop (a timer, say) waits here;
  // the earlier box counts as gone once it is hidden, before its loop unwinds.
  while (showingBoxes > 0)
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
  ++showingBoxes;
  QObject::connect(box, &QDialog::finished, box, [] { --showingBoxes; });
  CentreOnScreen(box);
  return box->exec();
}

}  // namespace velomira
