#pragma once
// The proxy settings dialog "frm_proxy", opened from the login dialog. It closes itself
// (and is freed) on OK, Cancel or its close box, and shows the login dialog again.
#include <QWidget>

#include "account/ProxyForm.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace velomira {

class TFlatRadioButton;
class THoverImage;
class TPicturePanel;
class TTransparentButton;

class Tfrm_proxy : public QWidget {
  Q_OBJECT
 public:
  explicit Tfrm_proxy(QWidget* parent = nullptr);

  TPicturePanel* pnl_proxy;
  QLabel* Label4;  // title, drags the window
  QCheckBox* proxy_setting;
  QLabel* proxy_serve;
  QLabel* host;
  QLabel* port;
  QLineEdit* ed_host;
  QLineEdit* ed_port;
  QLabel* protocol;
  TFlatRadioButton* rb_socks;
  TFlatRadioButton* rb_socks5;
  TFlatRadioButton* rb_https;
  QCheckBox* socks5_check;
  QLabel* auth;
  QLabel* lb_usename;
  QLabel* lb_pass;
  QLineEdit* ed_usename;
  QLineEdit* ed_pass;
  THoverImage* HoverImage1;  // OK
  THoverImage* HoverImage2;  // Cancel
  TTransparentButton* TransparentButton1;

 private:
  void FormCreate();
  void HoverImage1Click();
  void HoverImage2Click();
  void proxy_settingClick();
  void socks5_checkClick();
  // Shows the form's state: check marks, selection, enabled controls, edit colours.
  void ShowForm();

  ProxyForm form_;
};

}  // namespace velomira
