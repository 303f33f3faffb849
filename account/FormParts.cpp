#include "account/FormParts.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

#include "controls/CodePageText.h"
#include "controls/THoverImage.h"
#include "controls/TPicturePanel.h"
#include "controls/TTransparentButton.h"
#include "core/dFunc.h"
#include "core/qt/SkinPicture.h"
#include "core/qt/WindowChrome.h"
#include "core/qt/WindowDrag.h"

namespace velomira {

namespace {

class EnterKeyFilter : public QObject {
 public:
  EnterKeyFilter(QObject* parent, std::function<void()> action)
      : QObject(parent), action_(std::move(action)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        action_();
        return true;
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> action_;
};

const QColor DisabledTextColour(140, 156, 180);

std::string HoverName(const std::string& picture) {
  const auto dot = picture.rfind('.');
  if (dot == std::string::npos) return picture + "_ovr";
  return picture.substr(0, dot) + "_ovr" + picture.substr(dot);
}

}  // namespace

void SetUpAccountWindow(QWidget* window, const QString& formName, int width, int height) {
  window->setObjectName(formName);
  window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  window->setWindowTitle(QStringLiteral("Velomira"));
  window->setFixedSize(width, height);
  CentreOnScreen(window);
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

QLabel* MakeLabel(QWidget* parent, const QString& name, const std::string& text, QRect place,
                  bool title) {
  auto* label = new QLabel(MessageText(text), parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setGeometry(place);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  QFont font = label->font();
  font.setPointSize(title ? 9 : 8);
  font.setBold(title);
  label->setFont(font);
  label->setStyleSheet(QStringLiteral("QLabel { color: #ffffff; background: transparent; }"
                                     "QLabel:disabled { color: #8c9cb4; }"));
  return label;
}

QCheckBox* MakeCheckBox(QWidget* parent, const QString& name, const QString& caption, QRect place) {
  auto* check = new QCheckBox(caption, parent);
  check->setObjectName(name);
  check->setGeometry(place);
  QFont font = check->font();
  font.setPointSize(8);
  check->setFont(font);
  // A palette rather than a style sheet, so the style still draws a visible box.
  QPalette palette = check->palette();
  palette.setColor(QPalette::WindowText, Qt::white);
  palette.setColor(QPalette::Disabled, QPalette::WindowText, DisabledTextColour);
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::Text, Qt::black);
  check->setPalette(palette);
  return check;
}

QLineEdit* MakeEdit(QWidget* parent, const QString& name, QRect place, int maxLength) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setGeometry(place);
  if (maxLength > 0) edit->setMaxLength(maxLength);
  QFont font = edit->font();
  font.setPointSize(8);
  edit->setFont(font);
  return edit;
}

THoverImage* MakePictureButton(QWidget* parent, const QString& name, const std::string& picture,
                               QPoint place) {
  auto* button = new THoverImage(parent);
  button->setObjectName(name);
  button->SetAutoSize(true);
  button->move(place);
  const std::string hover = HoverName(picture);
  LoadButtonPictures(button, picture, hover, hover);
  if (button->Picture().isNull()) button->resize(60, 18);  // still a hot area without a skin
  return button;
}

TTransparentButton* MakeCloseBox(QWidget* parent, const QString& name) {
  auto* close = new TTransparentButton(parent);
  close->setObjectName(name);
  close->setGeometry(314, 3, 9, 9);
  return close;
}

void OnEnterKey(QLineEdit* edit, std::function<void()> action) {
  edit->installEventFilter(new EnterKeyFilter(edit, std::move(action)));
}

}  // namespace velomira
