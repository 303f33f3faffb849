#include "core/qt/WindowDrag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace velomira {

namespace {

// Follows the mouse by hand when the window system does not move the window itself.
class WindowDragFilter : public QObject {
 public:
  WindowDragFilter(QWidget* handle, bool handlesPresses)
      : QObject(handle), handle_(handle), handlesPresses_(handlesPresses) {
    setObjectName(QStringLiteral("WindowDragFilter"));
    handle->installEventFilter(this);
  }

  bool Begin(QMouseEvent* press) {
    if (press->button() != Qt::LeftButton) return false;
    QWidget* window = handle_->window();
    QWindow* native = window->windowHandle();
    if (native != nullptr && native->startSystemMove()) return true;
    following_ = true;
    pressPoint_ = press->globalPosition().toPoint();
    pressWindowPosition_ = window->pos();
    return true;
  }

  void SetHandlesPresses() { handlesPresses_ = true; }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
        if (handlesPresses_) Begin(static_cast<QMouseEvent*>(event));
        break;
      case QEvent::MouseMove:
        if (following_) {
          const QPoint now = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
          handle_->window()->move(pressWindowPosition_ + (now - pressPoint_));
        }
        break;
      case QEvent::MouseButtonRelease:
        following_ = false;
        break;
      default:
        break;
    }
    return false;
  }

 private:
  QWidget* handle_;
  bool handlesPresses_;
  bool following_ = false;
  QPoint pressPoint_;
  QPoint pressWindowPosition_;
};

WindowDragFilter* FilterOf(QWidget* handle, bool handlesPresses) {
  auto* filter = handle->findChild<WindowDragFilter*>(QStringLiteral("WindowDragFilter"),
                                                      Qt::FindDirectChildrenOnly);
  if (filter == nullptr) return new WindowDragFilter(handle, handlesPresses);
  if (handlesPresses) filter->SetHandlesPresses();
  return filter;
}

}  // namespace

void EnableWindowDrag(QWidget* handle) { FilterOf(handle, true); }

bool BeginWindowDrag(QWidget* handle, QMouseEvent* press) {
  return FilterOf(handle, false)->Begin(press);
}

}  // namespace velomira
