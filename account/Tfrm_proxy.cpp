#include "account/Tfrm_proxy.h"

#include <QLabel>

#include "account/Login.h"
#include "controls/THoverImage.h"
#include "controls/TPicturePanel.h"
#include "controls/TTransparentButton.h"
#include "core/qt/WindowDrag.h"
#include "dialogkit/FormParts.h"

namespace velomira {

Tfrm_proxy::Tfrm_proxy(QWidget* parent)
    : SkinnedDialog(parent, QStringLiteral("frm_proxy"), 330, 340) {
  FormCreate();
}

void Tfrm_proxy::FormCreate() {
  setAttribute(Qt::WA_DeleteOnClose);
  pnl_proxy = MakeBackground(this, QStringLiteral("pnl_proxy"), "proxy_line01.gif");
  Label4 = MakeLabel(pnl_proxy, QStringLiteral("Label4"), "Proxy setting", {10, 2, 200, 16}, true);
  EnableWindowDrag(Label4);
  MakeProxyControls(pnl_proxy, QStringLiteral("ed_pass"));

  HoverImage1 = MakePictureButton(pnl_proxy, QStringLiteral("HoverImage1"), "alert_ok.gif", {91, 308});
  HoverImage2 = MakePictureButton(pnl_proxy, QStringLiteral("HoverImage2"), "alert_cancel.gif", {180, 308});
  TransparentButton1 = MakeCloseBox(pnl_proxy, QStringLiteral("TransparentButton1"));

  proxyForm_.Load(ProxyIniPath());
  ShowProxyForm();

  connect(HoverImage1, &THoverImage::OnClick, this, &Tfrm_proxy::HoverImage1Click);
  connect(HoverImage2, &THoverImage::OnClick, this, &Tfrm_proxy::HoverImage2Click);
  connect(TransparentButton1, &TTransparentButton::OnClick, this, &Tfrm_proxy::HoverImage2Click);
}

void Tfrm_proxy::HoverImage1Click() {
  SaveProxyForm();
  ShowLoginWindow();
  close();
}

void Tfrm_proxy::HoverImage2Click() {
  ShowLoginWindow();
  close();
}

}  // namespace velomira
