#include "account/Tfrm_proxy.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

#include "account/FormParts.h"
#include "account/Login.h"
#include "controls/CodePageText.h"
#include "controls/TFlatRadioButton.h"
#include "controls/THoverImage.h"
#include "controls/TPicturePanel.h"
#include "controls/TTransparentButton.h"
#include "core/qt/WindowDrag.h"
#include "mainwin/alertbox/AlertBox.h"

namespace velomira {

namespace {

const QColor DisabledEditColour(162, 193, 210);

QColor EditColour(EditTint tint, const QWidget* edit) {
  switch (tint) {
    case EditTint::White: return Qt::white;
    case EditTint::SystemWindow: return edit->style()->standardPalette().color(QPalette::Base);
    case EditTint::Grey: break;
  }
  return DisabledEditColour;
}

TFlatRadioButton* MakeRadio(QWidget* parent, const QString& name, const std::string& caption,
                            QRect place) {
  auto* radio = new TFlatRadioButton(parent);
  radio->setObjectName(name);
  radio->SetCaption(caption);
  radio->setGeometry(place);
  // The form decides the selection, which may also be none at all.
  radio->setAutoExclusive(false);
  // White ring and dot over the dark body; the ring stays see-through.
  QPalette palette = radio->palette();
  palette.setColor(QPalette::WindowText, Qt::white);
  palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(140, 156, 180));
  palette.setColor(QPalette::Base, Qt::transparent);
  palette.setColor(QPalette::Window, Qt::transparent);
  radio->setPalette(palette);
  QFont font = radio->font();
  font.setPointSize(8);
  radio->setFont(font);
  return radio;
}

}  // namespace

Tfrm_proxy::Tfrm_proxy(QWidget* parent) : QWidget(parent) { FormCreate(); }

void Tfrm_proxy::FormCreate() {
  setAttribute(Qt::WA_DeleteOnClose);
  SetUpAccountWindow(this, QStringLiteral("frm_proxy"), 330, 340);
  pnl_proxy = MakeBackground(this, QStringLiteral("pnl_proxy"), "proxy_line01.gif");
  Label4 = MakeLabel(pnl_proxy, QStringLiteral("Label4"), "Proxy setting", {10, 2, 200, 16}, true);
  EnableWindowDrag(Label4);
  QLabel* intro = MakeLabel(pnl_proxy, QStringLiteral("Label1"),
                            "If you use Proxy server, please input Host and Port information.",
                            {20, 30, 290, 32});
  intro->setWordWrap(true);

  proxy_setting = MakeCheckBox(pnl_proxy, QStringLiteral("proxy_setting"),
                            QStringLiteral("Connect using proxy"), {20, 70, 200, 18});
  proxy_serve = MakeLabel(pnl_proxy, QStringLiteral("proxy_serve"), "Proxy Server", {20, 96, 120, 16}, true);
  host = MakeLabel(pnl_proxy, QStringLiteral("host"), "Host :", {36, 118, 50, 20});
  ed_host = MakeEdit(pnl_proxy, QStringLiteral("ed_host"), {90, 118, 200, 20});
  port = MakeLabel(pnl_proxy, QStringLiteral("port"), "Port :", {36, 144, 50, 20});
  ed_port = MakeEdit(pnl_proxy, QStringLiteral("ed_port"), {90, 144, 80, 20});

  protocol = MakeLabel(pnl_proxy, QStringLiteral("protocol"), "Protocol", {20, 172, 120, 16}, true);
  rb_socks = MakeRadio(pnl_proxy, QStringLiteral("rb_socks"), "SOCKS", {36, 192, 80, 18});
  rb_socks5 = MakeRadio(pnl_proxy, QStringLiteral("rb_socks5"), "SOCKS 5", {120, 192, 80, 18});
  rb_https = MakeRadio(pnl_proxy, QStringLiteral("rb_https"), "HTTPS", {210, 192, 80, 18});

  socks5_check = MakeCheckBox(pnl_proxy, QStringLiteral("socks5_check"), QString(), {20, 222, 16, 18});
  auth = MakeLabel(pnl_proxy, QStringLiteral("auth"), "Authentication", {40, 222, 150, 18}, true);
  lb_usename = MakeLabel(pnl_proxy, QStringLiteral("lb_usename"), "Usename", {36, 246, 70, 20});
  ed_usename = MakeEdit(pnl_proxy, QStringLiteral("ed_usename"), {110, 246, 180, 20});
  lb_pass = MakeLabel(pnl_proxy, QStringLiteral("lb_pass"), "Password", {36, 272, 70, 20});
  ed_pass = MakeEdit(pnl_proxy, QStringLiteral("ed_pass"), {110, 272, 180, 20});
  ed_pass->setEchoMode(QLineEdit::Password);

  HoverImage1 = MakePictureButton(pnl_proxy, QStringLiteral("HoverImage1"), "alert_ok.gif", {91, 308});
  HoverImage2 = MakePictureButton(pnl_proxy, QStringLiteral("HoverImage2"), "alert_cancel.gif", {180, 308});
  TransparentButton1 = MakeCloseBox(pnl_proxy, QStringLiteral("TransparentButton1"));

  form_.Load(ProxyIniPath());
  ed_host->setText(ToQString(form_.Host));
  ed_port->setText(ToQString(form_.Port));
  ed_usename->setText(ToQString(form_.UserName));
  ed_pass->setText(ToQString(form_.Password));
  ShowForm();

  connect(proxy_setting, &QCheckBox::clicked, this, &Tfrm_proxy::proxy_settingClick);
  connect(socks5_check, &QCheckBox::clicked, this, &Tfrm_proxy::socks5_checkClick);
  const std::pair<TFlatRadioButton*, ProxyProtocol> radios[] = {
      {rb_socks, Socks4Protocol}, {rb_socks5, Socks5Protocol}, {rb_https, HttpsProtocol}};
  for (const auto& [radio, chosen] : radios) {
    connect(radio, &TFlatRadioButton::clicked, this, [this, chosen = chosen] {
      form_.SelectProtocol(chosen);
      ShowForm();
    });
  }
  connect(HoverImage1, &THoverImage::OnClick, this, &Tfrm_proxy::HoverImage1Click);
  connect(HoverImage2, &THoverImage::OnClick, this, &Tfrm_proxy::HoverImage2Click);
  connect(TransparentButton1, &TTransparentButton::OnClick, this, &Tfrm_proxy::HoverImage2Click);
}

void Tfrm_proxy::ShowForm() {
  proxy_setting->setChecked(form_.UseProxy());
  socks5_check->setChecked(form_.Authenticate());
  rb_socks->setChecked(form_.Protocol() == Socks4Protocol);
  rb_socks5->setChecked(form_.Protocol() == Socks5Protocol);
  rb_https->setChecked(form_.Protocol() == HttpsProtocol);
  for (const char* name : ProxyForm::RuledControls) {
    if (auto* control = findChild<QWidget*>(QString::fromLatin1(name))) {
      control->setEnabled(form_.Enabled(name));
    }
  }
  for (const char* name : ProxyForm::TintedEdits) {
    auto* edit = findChild<QLineEdit*>(QString::fromLatin1(name));
    QPalette palette = edit->palette();
    const QColor colour = EditColour(form_.Tint(name), edit);
    palette.setColor(QPalette::Active, QPalette::Base, colour);
    palette.setColor(QPalette::Inactive, QPalette::Base, colour);
    palette.setColor(QPalette::Disabled, QPalette::Base, colour);
    edit->setPalette(palette);
  }
}

void Tfrm_proxy::proxy_settingClick() {
  form_.SetUseProxy(proxy_setting->isChecked());
  ShowForm();
}

void Tfrm_proxy::socks5_checkClick() {
  form_.SetAuthenticate(socks5_check->isChecked());
  ShowForm();
}

void Tfrm_proxy::HoverImage1Click() {
  form_.Host = FromQString(ed_host->text());
  form_.Port = FromQString(ed_port->text());
  form_.UserName = FromQString(ed_usename->text());
  form_.Password = FromQString(ed_pass->text());
  const std::string message = form_.Save(ProxyIniPath());
  if (!message.empty()) ShowAlert(message);
  ShowLoginWindow();
  close();
}

void Tfrm_proxy::HoverImage2Click() {
  ShowLoginWindow();
  close();
}

}  // namespace velomira
