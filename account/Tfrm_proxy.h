#pragma once
// The proxy settings dialog "frm_proxy", opened from the login dialog. It closes itself
// (and is freed) on OK, Cancel or its close box, and shows the login dialog again.
#include "account/ProxyControls.h"
#include "dialogkit/SkinnedDialog.h"

class QLabel;
class QLineEdit;

namespace velomira {

class THoverImage;
class TPicturePanel;
class TTransparentButton;

class Tfrm_proxy : public SkinnedDialog, public ProxyControls {
  Q_OBJECT
 public:
  explicit Tfrm_proxy(QWidget* parent = nullptr);

  TPicturePanel* pnl_proxy;
  QLabel* Label4;  // title, drags the window
  QLineEdit*& ed_pass = ProxyPassword;
  THoverImage* HoverImage1;  // OK
  THoverImage* HoverImage2;  // Cancel
  TTransparentButton* TransparentButton1;

 private:
  void FormCreate();
  void HoverImage1Click();
  void HoverImage2Click();
};

}  // namespace velomira
