#include "mainwin/alertbox/BoxQueue.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEventLoop>
#include <memory>

#include "dialogkit/SkinnedDialog.h"

namespace velomira {

namespace {

int showingBoxes = 0;

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
