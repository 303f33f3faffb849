#include "account/Login.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QPointer>

#include "account/LoginAttempt.h"
#include "account/LoginSession.h"
#include "account/Tfrm_auto.h"
#include "account/Tfrm_login.h"
#include "core/dFunc.h"

namespace velomira {

namespace {
std::string g_loggedInId;
bool g_terminationRequested = false;

std::string ExecutableFolder() {
  return QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString() + "/";
}
}  // namespace

const std::string& LoggedInId() { return g_loggedInId; }
void SetLoggedInId(const std::string& id) { g_loggedInId = id; }

void RequestTermination() { g_terminationRequested = true; }
bool TerminationRequested() { return g_terminationRequested; }
void ClearTerminationRequest() { g_terminationRequested = false; }

void ShowLoginWindow() {
  if (frm_login) frm_login->showNormal();
}

int RunLogin() { return RunLogin(ExecutableFolder()); }

int RunLogin(const std::string& programDir) {
  // Owned by the application: it stays (hidden) for the rest of the run.
  ClearTerminationRequest();
  auto* dialog = new Tfrm_login(programDir);
  if (dialog->cbo_auto->isChecked()) {
    const int result = dialog->TryLogin();
    if (result == 1 || TerminationRequested()) return result;
  }
  return dialog->ShowModal();
}

void VerifyLogin(std::string& id, const std::string& password, const std::string& remember,
                 int& code) {
  code = 0;
  QPointer<Tfrm_auto> verification = new Tfrm_auto;
  QObject::connect(verification, &Tfrm_auto::TerminateRequested, [] { RequestTermination(); });
  verification->show();
  QCoreApplication::processEvents();  // let it paint before the request blocks
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const std::string reply = HttpPostText(LoginRequestUrl(ServiceRoot(), id, password, remember));
  QApplication::restoreOverrideCursor();

  const LoginReply facts = ParseLoginReply(reply);
  code = facts.Code;
  if (IsSuccessCode(code)) {
    ClientState& state = State();
    state.TimeZoneHours = facts.TimeZoneHours;
    state.TimeZoneMinutes = facts.TimeZoneMinutes;
    state.MemberEmail = facts.Email;
    state.MemberName = facts.Name;
    state.StartMode = facts.StartMode;
    if (!facts.MemberId.empty()) id = facts.MemberId;
  }
  delete verification.data();
}

}  // namespace velomira
