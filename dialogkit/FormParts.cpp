#include "dialogkit/FormParts.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "controls/CodePageText.h"
#include "controls/TFlatRadioButton.h"
#include "controls/THoverImage.h"
#include "core/dFunc.h"
#include "core/qt/SkinPicture.h"
#include "core/qt/WindowChrome.h"

namespace velomira {

namespace {

const QColor DisabledTextColour(140, 156, 180);

std::string HoverName(const std::string& picture) {
  const auto dot = picture.rfind('.');
  if (dot == std::string::npos) return picture + "_ovr";
  return picture.substr(0, dot) + "_ovr" + picture.substr(dot);
}

}  // namespace

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

TFlatRadioButton* MakeRadio(QWidget* parent, const QString& name, const std::string& caption,
                            QRect place) {
  auto* radio = new TFlatRadioButton(parent);
  radio->setObjectName(name);
  radio->SetCaption(caption);
  radio->setGeometry(place);
  // White ring and dot over the dark body; the ring stays see-through.
  QPalette palette = radio->palette();
  palette.setColor(QPalette::WindowText, Qt::white);
  palette.setColor(QPalette::Disabled, QPalette::WindowText, DisabledTextColour);
  palette.setColor(QPalette::Base, Qt::transparent);
  palette.setColor(QPalette::Window, Qt::transparent);
  radio->setPalette(palette);
  QFont font = radio->font();
  font.setPointSize(8);
  radio->setFont(font);
  return radio;
}

}  // namespace velomira
