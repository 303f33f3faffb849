#include "account/ProxyControls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

#include "controls/CodePageText.h"
#include "controls/TFlatRadioButton.h"
#include "dialogkit/FormParts.h"
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

}  // namespace

void ProxyControls::MakeProxyControls(QWidget* panel, const QString& passwordName) {
  panel_ = panel;
  QLabel* intro = MakeLabel(panel, QStringLiteral("Label1"),
                            "If you use Proxy server, please input Host and Port information.",
                            {20, 30, 290, 32});
  intro->setWordWrap(true);

  proxy_setting = MakeCheckBox(panel, QStringLiteral("proxy_setting"),
                               QStringLiteral("Connect using proxy"), {20, 70, 200, 18});
  proxy_serve = MakeLabel(panel, QStringLiteral("proxy_serve"), "Proxy Server", {20, 96, 120, 16}, true);
  host = MakeLabel(panel, QStringLiteral("host"), "Host :", {36, 118, 50, 20});
  ed_host = MakeEdit(panel, QStringLiteral("ed_host"), {90, 118, 200, 20});
  port = MakeLabel(panel, QStringLiteral("port"), "Port :", {36, 144, 50, 20});
  ed_port = MakeEdit(panel, QStringLiteral("ed_port"), {90, 144, 80, 20});

  protocol = MakeLabel(panel, QStringLiteral("protocol"), "Protocol", {20, 172, 120, 16}, true);
  rb_socks = MakeRadio(panel, QStringLiteral("rb_socks"), "SOCKS", {36, 192, 80, 18});
  rb_socks5 = MakeRadio(panel, QStringLiteral("rb_socks5"), "SOCKS 5", {120, 192, 80, 18});
  rb_https = MakeRadio(panel, QStringLiteral("rb_https"), "HTTPS", {210, 192, 80, 18});
  // The form decides the selection, which may also be none at all.
  for (TFlatRadioButton* radio : {rb_socks, rb_socks5, rb_https}) radio->setAutoExclusive(false);

  socks5_check = MakeCheckBox(panel, QStringLiteral("socks5_check"), QString(), {20, 222, 16, 18});
  auth = MakeLabel(panel, QStringLiteral("auth"), "Authentication", {40, 222, 150, 18}, true);
  lb_usename = MakeLabel(panel, QStringLiteral("lb_usename"), "Usename", {36, 246, 70, 20});
  ed_usename = MakeEdit(panel, QStringLiteral("ed_usename"), {110, 246, 180, 20});
  lb_pass = MakeLabel(panel, QStringLiteral("lb_pass"), "Password", {36, 272, 70, 20});
  ProxyPassword = MakeEdit(panel, passwordName, {110, 272, 180, 20});
  ProxyPassword->setEchoMode(QLineEdit::Password);

  QObject::connect(proxy_setting, &QCheckBox::clicked, panel, [this] {
    proxyForm_.SetUseProxy(proxy_setting->isChecked());
    ShowProxyState();
  });
  QObject::connect(socks5_check, &QCheckBox::clicked, panel, [this] {
    proxyForm_.SetAuthenticate(socks5_check->isChecked());
    ShowProxyState();
  });
  const std::pair<TFlatRadioButton*, ProxyProtocol> radios[] = {
      {rb_socks, Socks4Protocol}, {rb_socks5, Socks5Protocol}, {rb_https, HttpsProtocol}};
  for (const auto& [radio, chosen] : radios) {
    QObject::connect(radio, &TFlatRadioButton::clicked, panel, [this, chosen = chosen] {
      proxyForm_.SelectProtocol(chosen);
      ShowProxyState();
    });
  }
}

void ProxyControls::ShowProxyForm() {
  ed_host->setText(ToQString(proxyForm_.Host));
  ed_port->setText(ToQString(proxyForm_.Port));
  ed_usename->setText(ToQString(proxyForm_.UserName));
  ProxyPassword->setText(ToQString(proxyForm_.Password));
  ShowProxyState();
}

void ProxyControls::ShowProxyState() {
  proxy_setting->setChecked(proxyForm_.UseProxy());
  socks5_check->setChecked(proxyForm_.Authenticate());
  rb_socks->setChecked(proxyForm_.Protocol() == Socks4Protocol);
  rb_socks5->setChecked(proxyForm_.Protocol() == Socks5Protocol);
  rb_https->setChecked(proxyForm_.Protocol() == HttpsProtocol);
  for (const char* name : ProxyForm::RuledControls) {
    if (QWidget* control = RuledControl(name)) control->setEnabled(proxyForm_.Enabled(name));
  }
  for (const char* name : ProxyForm::TintedEdits) {
    auto* edit = static_cast<QLineEdit*>(RuledControl(name));
    QPalette palette = edit->palette();
    const QColor colour = EditColour(proxyForm_.Tint(name), edit);
    palette.setColor(QPalette::Active, QPalette::Base, colour);
    palette.setColor(QPalette::Inactive, QPalette::Base, colour);
    palette.setColor(QPalette::Disabled, QPalette::Base, colour);
    edit->setPalette(palette);
  }
}

QWidget* ProxyControls::RuledControl(const char* name) const {
  // The form knows the password edit as "ed_pass"; a panel may name it otherwise.
  if (std::string_view(name) == "ed_pass") return ProxyPassword;
  return panel_->findChild<QWidget*>(QString::fromLatin1(name));
}

void ProxyControls::SaveProxyForm() {
  proxyForm_.Host = FromQString(ed_host->text());
  proxyForm_.Port = FromQString(ed_port->text());
  proxyForm_.UserName = FromQString(ed_usename->text());
  proxyForm_.Password = FromQString(ProxyPassword->text());
  const std::string message = proxyForm_.Save(ProxyIniPath());
  if (!message.empty()) ShowAlert(message);
}

}  // namespace velomira
