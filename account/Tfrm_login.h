#pragma once
// The login dialog "frm_login". It lives, mostly hidden, for the whole run; the other
// account dialogs find it through frm_login and show it again when they close.
#include "dialogkit/SkinnedDialog.h"
#include <string>

class QCheckBox;
class QEventLoop;
class QLabel;
class QLineEdit;

namespace velomira {

class THoverImage;
class TPicturePanel;
class TTransparentButton;

class Tfrm_login : public SkinnedDialog {
  Q_OBJECT
 public:
  explicit Tfrm_login(const std::string& programDir, QWidget* parent = nullptr);
  ~Tfrm_login() override;

  // Shows the dialog modally until a modal result is set; hiding the dialog meanwhile
  // (during an attempt, or while a sub-dialog is open) does not end it, which is why
  // this is not QDialog::exec (that ends as soon as the dialog hides).
  int ShowModal();
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result);

  // The attempt routine: 1 after a successful login, 2 otherwise.
  int TryLogin();

  TPicturePanel* pnl_login;
  QLabel* Label3;  // title, drags the window
  QLabel* Label1;  // "ID"
  QLabel* Label2;  // "Password"
  QLabel* lblver;
  QLineEdit* ed_id;
  QLineEdit* ed_pass;
  QCheckBox* cbo_auto;
  THoverImage* img_login;
  THoverImage* img_cancel;
  THoverImage* img_help;
  THoverImage* img_newacc;
  THoverImage* forgot;
  THoverImage* proxy;
  TTransparentButton* TransparentButton1;

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate(const std::string& programDir);
  void FormActivate();
  void img_loginClick();
  void img_cancelClick();
  void img_helpClick();
  void forgotClick();
  void proxyClick();
  void img_newaccClick();

  int modalResult_ = 0;
  QEventLoop* modalLoop_ = nullptr;
};

extern Tfrm_login* frm_login;

}  // namespace velomira
