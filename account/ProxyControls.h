#pragma once
// The proxy settings controls on a panel, driven by a ProxyForm: the proxy dialog and
// the registration wizard's network page show the same controls under the same names.
#include <QString>
#include <string>

#include "account/ProxyForm.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace velomira {

class TFlatRadioButton;

class ProxyControls {
 public:
  QCheckBox* proxy_setting = nullptr;
  QLabel* proxy_serve = nullptr;
  QLabel* host = nullptr;
  QLabel* port = nullptr;
  QLineEdit* ed_host = nullptr;
  QLineEdit* ed_port = nullptr;
  QLabel* protocol = nullptr;
  TFlatRadioButton* rb_socks = nullptr;
  TFlatRadioButton* rb_socks5 = nullptr;
  TFlatRadioButton* rb_https = nullptr;
  QCheckBox* socks5_check = nullptr;
  QLabel* auth = nullptr;
  QLabel* lb_usename = nullptr;
  QLabel* lb_pass = nullptr;
  QLineEdit* ed_usename = nullptr;
  QLineEdit* ProxyPassword = nullptr;  // named passwordName on the panel

 protected:
  // Lays the controls on panel (the intro text above them, the buttons below are the
  // window's) and wires the member's actions to the form.
  void MakeProxyControls(QWidget* panel, const QString& passwordName);
  // Fills the edits from the form and shows its state.
  void ShowProxyForm();
  // What OK does: takes the edits into the form, writes proxy.ini and shows the
  // message it gives, if any.
  void SaveProxyForm();

  ProxyForm proxyForm_;

 private:
  void ShowProxyState();
  QWidget* RuledControl(const char* name) const;
  QWidget* panel_ = nullptr;
};

}  // namespace velomira
