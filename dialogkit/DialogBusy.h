#pragma once
// The hourglass and a disabled dialog for as long as one of its requests runs: made
// when the request starts and held by its completion, so both come back even when the
// completion never runs (RunRequest drops it on the UI thread).
#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <memory>

namespace velomira {

class DialogBusy {
 public:
  explicit DialogBusy(QWidget* dialog) : dialog_(dialog) {
    dialog->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
  }
  ~DialogBusy() {
    QApplication::restoreOverrideCursor();
    if (dialog_) dialog_->setEnabled(true);
  }
  DialogBusy(const DialogBusy&) = delete;
  DialogBusy& operator=(const DialogBusy&) = delete;

 private:
  QPointer<QWidget> dialog_;
};

inline std::shared_ptr<DialogBusy> MakeDialogBusy(QWidget* dialog) {
  return std::make_shared<DialogBusy>(dialog);
}

}  // namespace velomira
