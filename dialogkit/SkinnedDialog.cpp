#include "dialogkit/SkinnedDialog.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "controls/TPicturePanel.h"
#include "controls/TTransparentButton.h"
#include "core/dFunc.h"
#include "core/qt/SkinPicture.h"
#include "core/qt/WindowDrag.h"

namespace velomira {

namespace {

bool IsEnter(const QKeyEvent* key) { return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter; }

class EnterKeyFilter : public QObject {
 public:
  EnterKeyFilter(QObject* parent, std::function<void()> action)
      : QObject(parent), action_(std::move(action)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress && IsEnter(static_cast<QKeyEvent*>(event))) {
      action_();
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> action_;
};

}  // namespace

SkinnedDialog::SkinnedDialog(QWidget* parent, const QString& formName, int width, int height,
                             Stacking stacking)
    : QDialog(parent) {
  setObjectName(formName);
  Qt::WindowFlags flags = Qt::Dialog | Qt::FramelessWindowHint;
  if (stacking == Stacking::OnTop) flags |= Qt::WindowStaysOnTopHint;
  setWindowFlags(flags);
  setWindowTitle(QStringLiteral("Velomira"));
  setFixedSize(width, height);
  CentreOnScreen(this);
}

void SkinnedDialog::keyPressEvent(QKeyEvent* event) {
  // QDialog would close on Escape and press a default button on Enter; the skinned
  // dialogs decide both themselves.
  if (event->key() == Qt::Key_Escape || IsEnter(event)) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void CentreOnScreen(QWidget* window) {
  const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  window->move(area.x() + (area.width() - window->width()) / 2,
               area.y() + (area.height() - window->height()) / 2);
}

TPicturePanel* MakeBackground(QWidget* parent, const QString& name, const std::string& picture) {
  auto* panel = new TPicturePanel(parent);
  panel->setObjectName(name);
  panel->setGeometry(0, 0, parent->width(), parent->height());
  panel->SetPicture(LoadSkinPicture(State().FormDir, picture));
  EnableWindowDrag(panel);
  return panel;
}

TTransparentButton* MakeCloseBox(QWidget* parent, const QString& name) {
  auto* close = new TTransparentButton(parent);
  close->setObjectName(name);
  close->setGeometry(314, 3, 9, 9);
  return close;
}

void OnEnterKey(QWidget* control, std::function<void()> action) {
  control->installEventFilter(new EnterKeyFilter(control, std::move(action)));
}

}  // namespace velomira
