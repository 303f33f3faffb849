#pragma once
// Drives modal boxes for real: a single-shot timer finds
// QApplication::activeModalWidget() and acts on it from inside its modal loop.
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace velomira::test {

// Once a visible modal box (of the given object name, when one is given) shows, the
// action runs on it, once.
inline void WhenModalShows(std::function<void(QWidget*)> action, const QString& name = {}) {
  QTimer::singleShot(5, [action, name] {
    QWidget* box = QApplication::activeModalWidget();
    if (box != nullptr && box->isVisible() && (name.isEmpty() || box->objectName() == name))
      action(box);
    else
      WhenModalShows(action, name);
  });
}

// Runs the action on every modal box that shows while the watch lives, once per box.
class ModalWatch {
 public:
  explicit ModalWatch(std::function<void(QWidget*)> action)
      : state_(std::make_shared<State>(State{std::move(action), nullptr})) {
    Poll(state_);
  }
  ~ModalWatch() { state_->action = nullptr; }
  ModalWatch(const ModalWatch&) = delete;
  ModalWatch& operator=(const ModalWatch&) = delete;

 private:
  struct State {
    std::function<void(QWidget*)> action;
    QPointer<QWidget> last;
  };
  static void Poll(std::shared_ptr<State> state) {
    QTimer::singleShot(5, [state] {
      if (!state->action) return;
      QWidget* box = QApplication::activeModalWidget();
      if (box != nullptr && box->isVisible() && box != state->last) {
        state->last = box;
        state->action(box);
      }
      Poll(state);
    });
  }
  std::shared_ptr<State> state_;
};

template <typename Control>
Control* Find(QWidget* box, const char* name) {
  return box->findChild<Control*>(QString::fromLatin1(name));
}

}  // namespace velomira::test
