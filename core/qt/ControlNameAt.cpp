#include <QApplication>
#include <QWidget>

#include "controls/CodePageText.h"
#include "core/qt/WindowChrome.h"

namespace velomira {

std::string ControlNameAt(int x, int y) {
  const QWidget* control = QApplication::widgetAt(x, y);
  return control == nullptr ? std::string() : FromQString(control->objectName());
}

}  // namespace velomira
