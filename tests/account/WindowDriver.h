#pragma once
// Plays the member: while the code under test runs its modal loops, a short timer
// waits for each expected window in turn, notes the message it shows, lets the test
// look at it, and clicks one of its controls. A window nobody expected (shown after the
// last step was taken) is noted and closed, so a wrong turn fails the test instead of
// hanging it.
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace velomira::test {

class WindowDriver : public QObject {
 public:
  WindowDriver();
  ~WindowDriver() override;

  // When a visible window named window appears: run look (if any), then click control
  // (none when control is empty).
  WindowDriver& Then(const QString& window, const QString& control,
                     std::function<void(QWidget*)> look = {});

  bool Finished() const { return steps_.empty(); }
  // The message of every message box answered, in order, line breaks as "\n".
  std::vector<std::string> Messages;
  // Windows that appeared although no step expected them.
  std::vector<std::string> Unexpected;

 private:
  struct Step {
    QString Window, Control;
    std::function<void(QWidget*)> Look;
  };
  bool eventFilter(QObject* watched, QEvent* event) override;
  void Tick();
  bool ShownSinceStep(const QWidget* window) const;

  static constexpr int MaxWaitingTicks = 250;  // 5 s of 20 ms ticks
  std::deque<Step> steps_;
  std::vector<QPointer<QWidget>> shownSinceStep_;
  int waitingTicks_ = 0;
  QTimer timer_;
};

// Left click in the middle of a control, as the member would.
void Click(QWidget* control);
// Runs the event loop until done() holds or the time is up; returns done().
bool WaitUntil(const std::function<bool()>& done, int milliseconds = 5000);
QWidget* VisibleWindow(const QString& name);

}  // namespace velomira::test
