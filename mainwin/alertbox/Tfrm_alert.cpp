#include "mainwin/alertbox/Tfrm_alert.h"

#include <QKeyEvent>

#include "controls/THoverImage.h"
#include "controls/THoverLabel.h"
#include "controls/TPicturePanel.h"
#include "controls/TTransparentButton.h"
#include "core/qt/WindowChrome.h"

namespace velomira {

Tfrm_alert* frm_alert = nullptr;

Tfrm_alert::Tfrm_alert(QWidget* parent) : SkinnedDialog(parent, QStringLiteral("frm_alert"), 330, 130) {
  FormCreate();
  frm_alert = this;
}

Tfrm_alert::~Tfrm_alert() {
  if (frm_alert == this) frm_alert = nullptr;
}

void Tfrm_alert::FormCreate() {
  pnl_alert = MakeBackground(this, QStringLiteral("pnl_alert"), "alertbox.gif");

  HoverLabel1 = new THoverLabel(pnl_alert);
  HoverLabel1->setObjectName(QStringLiteral("HoverLabel1"));
  HoverLabel1->setGeometry(17, 41, 291, 45);
  HoverLabel1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  HoverLabel1->setWordWrap(true);
  // A message, not a link: no hand cursor, no colour change.
  HoverLabel1->unsetCursor();
  HoverLabel1->SetColorEnter(Qt::black);
  HoverLabel1->SetColorClick(Qt::black);

  alert_yes = new THoverImage(pnl_alert);
  alert_yes->setObjectName(QStringLiteral("alert_yes"));
  alert_yes->setGeometry(133, 104, 60, 18);
  // The OK picture is shared with the question box, where it shows at its natural
  // width; squeezing it into this fixed place beats cutting its right end off.
  alert_yes->SetStretch(true);
  LoadButtonPictures(alert_yes, "alert_ok.gif", "alert_ok_ovr.gif", "alert_ok_ovr.gif");
  connect(alert_yes, &THoverImage::OnClick, this, &QDialog::accept);

  TransparentButton1 = MakeCloseBox(pnl_alert, QStringLiteral("TransparentButton1"));
  connect(TransparentButton1, &TTransparentButton::OnClick, this, &QDialog::accept);
}

void Tfrm_alert::SetMessage(const std::string& message) {
  HoverLabel1->SetCaption(message);
  QFont font = HoverLabel1->font();
  font.setPointSize(8);
  HoverLabel1->setFont(font);
  HoverLabel1->SetFontColor(Qt::black);
}

void Tfrm_alert::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) accept();
  event->accept();
}

}  // namespace velomira
