#include "mainwin/alertbox/BoxFrame.h"

#include <QDialog>

#include "controls/TPicturePanel.h"
#include "controls/TTransparentButton.h"
#include "core/dFunc.h"
#include "core/qt/SkinPicture.h"
#include "core/qt/WindowDrag.h"

namespace velomira {

void SetUpBoxWindow(QDialog* box, const QString& formName, int width, int height) {
  box->setObjectName(formName);
  box->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  box->setModal(true);
  box->setFixedSize(width, height);
}

TPicturePanel* MakeBoxBackground(QWidget* box, const QString& name, const std::string& picture) {
  auto* background = new TPicturePanel(box);
  background->setObjectName(name);
  background->setGeometry(box->rect());
  background->SetPicture(LoadSkinPicture(State().FormDir, picture));
  EnableWindowDrag(background);
  return background;
}

TTransparentButton* MakeCloseArea(TPicturePanel* background) {
  auto* close = new TTransparentButton(background);
  close->setObjectName(QStringLiteral("TransparentButton1"));
  close->setGeometry(314, 3, 9, 9);
  return close;
}

}  // namespace velomira
