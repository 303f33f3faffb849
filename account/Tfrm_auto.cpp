#include "account/Tfrm_auto.h"

#include <QLabel>
#include <QProgressBar>

#include "account/RememberedLogin.h"
#include "controls/THoverImage.h"
#include "controls/TPicturePanel.h"
#include "controls/TTransparentButton.h"
#include "dialogkit/FormParts.h"

namespace velomira {

Tfrm_auto::Tfrm_auto(QWidget* parent)
    : SkinnedDialog(parent, QStringLiteral("frm_auto"), 330, 133) {
  FormCreate();
}

void Tfrm_auto::FormCreate() {
  pnl_auto = MakeBackground(this, QStringLiteral("pnl_auto"), "alertbox.gif");
  Label1 = MakeLabel(pnl_auto, QStringLiteral("Label1"), "Velomira login", {10, 2, 200, 16}, true);
  Label2 = MakeLabel(pnl_auto, QStringLiteral("Label2"), "Verifying user ID / Password",
                     {17, 40, 296, 18});
  Label2->setAlignment(Qt::AlignCenter);
  Label2->setStyleSheet(QStringLiteral("color: #000000; background: transparent;"));  // light body

  // Shown for the look of it; a synchronous request has no progress to report.
  pgb = new QProgressBar(pnl_auto);
  pgb->setObjectName(QStringLiteral("pgb"));
  pgb->setRange(0, 100);
  pgb->setValue(0);
  pgb->setTextVisible(false);
  pgb->setGeometry(40, 66, 250, 14);

  alert_cancel = MakePictureButton(pnl_auto, QStringLiteral("alert_cancel"), "verify_cancel.gif",
                                   {0, 100});
  alert_cancel->move((width() - alert_cancel->width()) / 2, 100);
  TransparentButton1 = MakeCloseBox(pnl_auto, QStringLiteral("TransparentButton1"));

  connect(alert_cancel, &THoverImage::OnClick, this, &Tfrm_auto::alert_cancelClick);
  connect(TransparentButton1, &TTransparentButton::OnClick, this,
          &Tfrm_auto::TransparentButton1Click);
}

void Tfrm_auto::alert_cancelClick() {
  SwitchOffAutoLogin();
  close();
}

void Tfrm_auto::TransparentButton1Click() { emit TerminateRequested(); }

}  // namespace velomira
