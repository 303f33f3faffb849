#include "controls/FlatHint.h"

#include <QApplication>
#include <QPalette>
#include <QToolTip>

namespace velomira {

void InstallFlatHints() {
  QPalette colors = QToolTip::palette();
  colors.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
  colors.setColor(QPalette::ToolTipText, Qt::black);
  QToolTip::setPalette(colors);
  const QString flat = QStringLiteral(
      "QToolTip { background-color: #ffffe1; color: black; border: 1px solid #404040;"
      " border-radius: 0px; padding: 1px 3px; }");
  if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
    if (!app->styleSheet().contains(QStringLiteral("QToolTip")))
      app->setStyleSheet(app->styleSheet() + flat);
}

}  // namespace velomira
