#include "WindowDriver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QWidget>

namespace velomira::test {

namespace {

std::string BoxMessage(QWidget* window) {
  for (const char* name : {"HoverLabel1", "lblMessage"}) {
    if (auto* label = window->findChild<QLabel*>(QString::fromLatin1(name))) {
      return label->text().toStdString();
    }
  }
  return {};
}

bool IsMessageBox(const QWidget* window) {
  return window->objectName() == "frm_alert" || window->objectName() == "frmAlertSearch";
}

}  // namespace

QWidget* VisibleWindow(const QString& name) {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible() && window->objectName() == name) return window;
  }
  return nullptr;
}

void Click(QWidget* control) {
  if (!control) return;
  QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

bool WaitUntil(const std::function<bool()>& done, int milliseconds) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < milliseconds) {
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return done();
}

WindowDriver::WindowDriver() {
  qApp->installEventFilter(this);
  timer_.setInterval(20);
  connect(&timer_, &QTimer::timeout, this, &WindowDriver::Tick);
  timer_.start();
}

WindowDriver::~WindowDriver() {
  timer_.stop();
  qApp->removeEventFilter(this);
}

bool WindowDriver::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->isWindow()) {
    shownSinceStep_.emplace_back(static_cast<QWidget*>(watched));
  }
  return false;
}

bool WindowDriver::ShownSinceStep(const QWidget* window) const {
  for (const QPointer<QWidget>& shown : shownSinceStep_) {
    if (shown == window) return true;
  }
  return false;
}

WindowDriver& WindowDriver::Then(const QString& window, const QString& control,
                                 std::function<void(QWidget*)> look) {
  steps_.push_back({window, control, std::move(look)});
  return *this;
}

void WindowDriver::Tick() {
  if (!steps_.empty()) {
    const Step step = steps_.front();
    QWidget* window = VisibleWindow(step.Window);
    QWidget* modal = QApplication::activeModalWidget();
    // A modal window other than the expected one comes first.
    if (window && (!modal || modal == window)) {
      steps_.pop_front();
      shownSinceStep_.clear();
      waitingTicks_ = 0;
      if (IsMessageBox(window)) Messages.push_back(BoxMessage(window));
      if (step.Look) step.Look(window);
      // Clicked from a timer of its own: the click may open a modal loop, and a timer
      // is never run again while its own handler is still running.
      if (step.Control.isEmpty()) return;  // the look did what was needed
      QPointer<QWidget> control = window->findChild<QWidget*>(step.Control);
      QTimer::singleShot(0, this, [control] { Click(control); });
      return;
    }
  }
  if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
    if (!steps_.empty() && modal->objectName() == steps_.front().Window) return;
    // The window of the last step may still be up for a moment: its click is queued, or
    // its modal loop is ending. Only a window shown since then is a wrong turn; one
    // that stays up far longer would hang the test.
    if (!ShownSinceStep(modal) && ++waitingTicks_ < MaxWaitingTicks) return;
    Unexpected.push_back(modal->objectName().toStdString() + ": " + BoxMessage(modal));
    modal->close();
  }
}

}  // namespace velomira::test
