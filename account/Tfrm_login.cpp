#include "account/Tfrm_login.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "account/InstalledVersion.h"
#include "account/Login.h"
#include "account/LoginAttempt.h"
#include "account/LoginSession.h"
#include "account/RememberedLogin.h"
#include "account/Tfrm_forget.h"
#include "account/Tfrm_proxy.h"
#include "account/Tfrm_reg.h"
#include "controls/CodePageText.h"
#include "controls/THoverImage.h"
#include "controls/TPicturePanel.h"
#include "controls/TTransparentButton.h"
#include "core/dFunc.h"
#include "core/qt/WindowDrag.h"
#include "dialogkit/FormParts.h"
#include "mainwin/alertbox/AlertBox.h"
#include "platform/Browser.h"

namespace velomira {

Tfrm_login* frm_login = nullptr;

namespace {
constexpr int LoggedIn = 1;
constexpr int NotLoggedIn = 2;
constexpr int MaxCredentialLength = 14;
}  // namespace

Tfrm_login::Tfrm_login(const std::string& programDir, QWidget* parent)
    : SkinnedDialog(parent, QStringLiteral("frm_login"), 330, 184) {
  frm_login = this;
  FormCreate(programDir);
}

Tfrm_login::~Tfrm_login() {
  if (frm_login == this) frm_login = nullptr;
}

void Tfrm_login::FormCreate(const std::string& programDir) {
  ClientState& state = State();
  state.ProgramDir = programDir;
  if (state.ProgramDir.empty() || state.ProgramDir.back() != '/') state.ProgramDir += '/';
  LoadSettingsPaths();

  pnl_login = MakeBackground(this, QStringLiteral("pnl_login"), "loginbox.gif");
  Label3 = MakeLabel(pnl_login, QStringLiteral("Label3"), "Velomira login", {10, 2, 200, 16}, true);
  EnableWindowDrag(Label3);
  lblver = MakeLabel(pnl_login, QStringLiteral("lblver"), "version", {200, 164, 122, 16});
  lblver->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  Label1 = MakeLabel(pnl_login, QStringLiteral("Label1"), "ID", {30, 38, 60, 20});
  ed_id = MakeEdit(pnl_login, QStringLiteral("ed_id"), {95, 38, 140, 20}, MaxCredentialLength);
  Label2 = MakeLabel(pnl_login, QStringLiteral("Label2"), "Password", {30, 64, 60, 20});
  ed_pass = MakeEdit(pnl_login, QStringLiteral("ed_pass"), {95, 64, 140, 20}, MaxCredentialLength);
  ed_pass->setEchoMode(QLineEdit::Password);
  img_login = MakePictureButton(pnl_login, QStringLiteral("img_login"), "login_button.gif", {245, 38});
  img_cancel = MakePictureButton(pnl_login, QStringLiteral("img_cancel"), "log_cancel.gif", {245, 64});

  cbo_auto = MakeCheckBox(pnl_login, QStringLiteral("cbo_auto"),
                          QStringLiteral("Log in automatically on Velomira start up"), {30, 92, 290, 18});

  forgot = MakePictureButton(pnl_login, QStringLiteral("forgot"), "forgot.gif", {30, 120});
  proxy = MakePictureButton(pnl_login, QStringLiteral("proxy"), "proxy.gif", {125, 120});
  img_newacc = MakePictureButton(pnl_login, QStringLiteral("img_newacc"), "newacc.gif", {220, 120});
  img_help = MakePictureButton(pnl_login, QStringLiteral("img_help"), "log_help.gif", {30, 148});
  TransparentButton1 = MakeCloseBox(pnl_login, QStringLiteral("TransparentButton1"));

  const std::string version = InstalledVersionLabel();
  if (!version.empty()) lblver->setText(ToQString(version));

  const RememberedLogin remembered = ReadRememberedLogin();
  cbo_auto->setChecked(remembered.AutoLogin);
  ed_id->setText(ToQString(remembered.Id));
  ed_pass->setText(ToQString(remembered.Password));

  DetectBrowser();

  connect(img_login, &THoverImage::OnClick, this, &Tfrm_login::img_loginClick);
  connect(img_cancel, &THoverImage::OnClick, this, &Tfrm_login::img_cancelClick);
  connect(TransparentButton1, &TTransparentButton::OnClick, this, &Tfrm_login::img_cancelClick);
  connect(img_help, &THoverImage::OnClick, this, &Tfrm_login::img_helpClick);
  connect(forgot, &THoverImage::OnClick, this, &Tfrm_login::forgotClick);
  connect(proxy, &THoverImage::OnClick, this, &Tfrm_login::proxyClick);
  connect(img_newacc, &THoverImage::OnClick, this, &Tfrm_login::img_newaccClick);
  OnEnterKey(ed_id, [this] { focusNextChild(); });
  OnEnterKey(ed_pass, [this] { img_loginClick(); });
}

int Tfrm_login::ShowModal() {
  modalResult_ = 0;
  setWindowModality(Qt::ApplicationModal);
  showNormal();
  raise();
  activateWindow();
  QEventLoop loop;
  modalLoop_ = &loop;
  loop.exec(QEventLoop::DialogExec);
  modalLoop_ = nullptr;
  hide();
  setWindowModality(Qt::NonModal);
  return modalResult_;
}

void Tfrm_login::SetModalResult(int result) {
  modalResult_ = result;
  if (result != 0 && modalLoop_) modalLoop_->quit();
}

int Tfrm_login::TryLogin() {
  const std::string remember = cbo_auto->isChecked() ? "Y" : "N";
  if (ed_id->text().isEmpty()) {
    ShowAlert("Please enter your ID.");
    ed_id->setFocus();
    return NotLoggedIn;
  }
  if (ed_pass->text().isEmpty()) {
    ShowAlert("Please enter your password.");
    ed_pass->setFocus();
    return NotLoggedIn;
  }

  const std::string typedId = FromQString(ed_id->text());
  const std::string password = FromQString(ed_pass->text());
  std::string id = typedId;
  int code = 0;
  VerifyLogin(id, password, remember, code);
  SetLoggedInId(id);
  if (TerminationRequested()) {
    SetModalResult(NotLoggedIn);
    return NotLoggedIn;
  }

  const LoginVerdict verdict = VerdictFor(code);
  int result = NotLoggedIn;
  if (verdict == LoginVerdict::LoggedIn) {
    StoreRememberedLogin(typedId, password, cbo_auto->isChecked());
    State().MemberId = id;
    result = LoggedIn;
  } else {
    ShowAlert(VerdictMessage(verdict));
    if (verdict == LoginVerdict::CannotConnect) OpenWebPage(WebRoot() + "/help/faq.htm");
  }

  if (AttemptShowsDialogAgain(code)) {
    showNormal();
    SwitchOffAutoLogin();
  } else {
    SetModalResult(result);
  }
  return result;
}

bool Tfrm_login::event(QEvent* event) {
  const bool handled = SkinnedDialog::event(event);
  if (event->type() == QEvent::WindowActivate) FormActivate();
  return handled;
}

void Tfrm_login::FormActivate() {
  if (ed_id->text().isEmpty()) {
    ed_id->setFocus();
  } else {
    ed_pass->setFocus();
  }
}

void Tfrm_login::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    focusNextChild();
    return;
  }
  SkinnedDialog::keyPressEvent(event);
}

void Tfrm_login::closeEvent(QCloseEvent* event) {
  // Closing through the window system counts as cancel; the dialog itself stays.
  event->ignore();
  img_cancelClick();
}

void Tfrm_login::img_loginClick() {
  hide();
  if (TryLogin() == NotLoggedIn) showNormal();
}

void Tfrm_login::img_cancelClick() { SetModalResult(NotLoggedIn); }

void Tfrm_login::img_helpClick() { OpenWebPage(WebRoot() + "/help/support.htm"); }

void Tfrm_login::forgotClick() {
  hide();
  (new Tfrm_forget(this))->show();
}

void Tfrm_login::proxyClick() {
  hide();
  (new Tfrm_proxy(this))->show();
}

void Tfrm_login::img_newaccClick() {
  hide();
  (new Tfrm_reg(this))->show();
}

}  // namespace velomira
