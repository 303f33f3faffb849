#pragma once
// The verification window "frm_auto": shown while a login request runs.
#include "dialogkit/SkinnedDialog.h"

class QLabel;
class QProgressBar;

namespace velomira {

class THoverImage;
class TPicturePanel;
class TTransparentButton;

class Tfrm_auto : public SkinnedDialog {
  Q_OBJECT
 public:
  explicit Tfrm_auto(QWidget* parent = nullptr);

  TPicturePanel* pnl_auto;
  QLabel* Label1;  // title
  QLabel* Label2;  // "Verifying user ID / Password"
  QProgressBar* pgb;
  THoverImage* alert_cancel;
  TTransparentButton* TransparentButton1;

 signals:
  // The close box ends the program instead of only this window.
  void TerminateRequested();

 private:
  void FormCreate();
  void alert_cancelClick();
  void TransparentButton1Click();
};

}  // namespace velomira
