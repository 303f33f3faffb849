#pragma once
// Mouse events sent straight to a control, so the hover rules run without a pointer
// over a real screen.
#include <QEnterEvent>
#include <QTest>
#include <QWidget>

namespace velomira::test {

inline void Enter(QWidget* control) {
  QEnterEvent event(QPointF(1, 1), QPointF(1, 1), control->mapToGlobal(QPointF(1, 1)));
  QCoreApplication::sendEvent(control, &event);
}

inline void Leave(QWidget* control) {
  QEvent event(QEvent::Leave);
  QCoreApplication::sendEvent(control, &event);
}

inline void Press(QWidget* control) { QTest::mousePress(control, Qt::LeftButton, {}, QPoint(1, 1)); }

inline void Click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(1, 1)); }

}  // namespace velomira::test
