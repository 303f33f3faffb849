#include "Tfrmalertalam.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "controls/CodePageText.h"
#include "controls/THoverImage.h"
#include "controls/TPicturePanel.h"
#include "controls/TTransparentButton.h"
#include "core/dFunc.h"
#include "core/qt/WindowChrome.h"
#include "dialogkit/SkinnedDialog.h"
#include "platform/Browser.h"

namespace velomira {

std::function<void()> PresetWindowReload;

namespace {

QLabel* BoxLabel(QWidget* parent, const char* name, const QString& caption, QPoint at) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  label->move(at);
  label->adjustSize();
  label->setAttribute(Qt::WA_TranslucentBackground);
  return label;
}

}  // namespace

Tfrmalertalam::Tfrmalertalam(const std::string& title, const std::string& address)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), address_(address) {
  setObjectName("frmalertalam");
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(330, 133);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->geometry().center() - rect().center());
  }

  pnl_pre = MakeBackground(this, QStringLiteral("pnl_pre"), "alertbox.gif");

  BoxLabel(pnl_pre, "Label1", "Sorry for the interruption.", QPoint(104, 26));
  prgname = new QLabel(pnl_pre);
  prgname->setObjectName("prgname");
  prgname->setGeometry(21, 49, 292, 25);
  prgname->setWordWrap(true);
  prgname->setAttribute(Qt::WA_TranslucentBackground);
  prgname->setText(ToQString("The program you've preseted  \"" + title + "\" starts now."));
  BoxLabel(pnl_pre, "Label3", "Do you want to watch it?", QPoint(110, 76));

  alert_yes = new THoverImage(pnl_pre);
  alert_yes->setObjectName("alert_yes");
  LoadButtonPictures(alert_yes, "alert_yes.gif", "alert_yes_ovr.gif", "alert_yes_ovr.gif");
  alert_yes->SetAutoSize(true);
  alert_yes->move(80, 99);
  alert_no = new THoverImage(pnl_pre);
  alert_no->setObjectName("alert_no");
  LoadButtonPictures(alert_no, "alert_cancel.gif", "alert_cancel_ovr.gif", "alert_cancel_ovr.gif");
  alert_no->SetAutoSize(true);
  alert_no->move(176, 99);
  TransparentButton1 = MakeCloseBox(pnl_pre, QStringLiteral("TransparentButton1"));

  connect(alert_yes, &THoverImage::OnClick, this, &Tfrmalertalam::alert_yesClick);
  connect(alert_no, &THoverImage::OnClick, this, &Tfrmalertalam::alert_noClick);
  connect(TransparentButton1, &TTransparentButton::OnClick, this, &Tfrmalertalam::TransparentButton1Click);
}

void Tfrmalertalam::alert_yesClick() {
  OpenWebPage(address_);
  if (PresetWindowReload) PresetWindowReload();
  close();
}

void Tfrmalertalam::alert_noClick() {
  if (PresetWindowReload) PresetWindowReload();
  close();
}

void Tfrmalertalam::TransparentButton1Click() { close(); }

}  // namespace velomira
