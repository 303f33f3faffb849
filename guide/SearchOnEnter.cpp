#include "SearchOnEnter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

namespace velomira {

namespace {

class EnterFilter : public QObject {
 public:
  EnterFilter(QLineEdit* field, QWidget* button, std::function<void()> search)
      : QObject(field), field_(field), button_(button), search_(std::move(search)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != field_ || event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    if (field_->isEnabled() && button_ && button_->isEnabled()) search_();
    return true;
  }

 private:
  QLineEdit* field_;
  QPointer<QWidget> button_;
  std::function<void()> search_;
};

}  // namespace

void SearchOnEnter(QLineEdit* field, QWidget* searchButton, std::function<void()> search) {
  field->installEventFilter(new EnterFilter(field, searchButton, std::move(search)));
}

}  // namespace velomira
