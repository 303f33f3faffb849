#include "controls/FlatHint.h"

#include <QColor>
#include <QPalette>
#include <QToolTip>

namespace velomira {

void InstallFlatHints() {
  // The palette only: an application style sheet would restyle every other widget too.
  QPalette colors = QToolTip::palette();
  colors.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
  colors.setColor(QPalette::ToolTipText, Qt::black);
  colors.setColor(QPalette::Window, QColor(255, 255, 225));
  colors.setColor(QPalette::WindowText, Qt::black);
  QToolTip::setPalette(colors);
}

}  // namespace velomira
