#include "mainwin/alertbox/AlertBox.h"

#include <memory>

#include "core/ServletRequests.h"
#include "core/dFunc.h"
#include "mainwin/alertbox/BoxQueue.h"
#include "mainwin/alertbox/Tfrm_alert.h"
#include "mainwin/alertbox/TfrmAlertSearch.h"

namespace velomira {

void ShowAlert(const std::string& message) {
  WaitUntilNoBoxShows();
  auto box = std::make_unique<Tfrm_alert>();
  box->SetMessage(message);
  ExecBox(box.get());
}

int ShowConfirm(const std::string& message) {
  WaitUntilNoBoxShows();
  auto box = std::make_unique<TfrmAlertSearch>();
  box->LoadButtons();
  box->SetMessage(message);
  return ExecBox(box.get()) == 1 ? 1 : 2;
}

void ShowNotice(const std::string& message) {
  WaitUntilNoBoxShows();
  auto box = std::make_unique<TfrmAlertSearch>();
  box->MakeNotice();
  box->SetMessage(message);
  box->LoadButtons();
  ExecBox(box.get());
}

bool AskPresetAdd(const std::string& startText) {
  return ShowConfirm("The program you've selected starts on " + startText +
                     ".\r\nWould you like to Preset this program?") == 1;
}

void TellPresetAddResult(const std::string& reply) {
  const int code = ReplyCode(reply);
  if (IsSuccessCode(code))
    ShowNotice("The program you've\r\nselected is saved on your Preset List");
  else if (code == 211)
    ShowNotice("The Program you've\r\nalready your Preset List");
}

void ConfirmPresetAdd(const std::string& programId, const std::string& scheduleKind,
                      const std::string& regularNumber, const std::string& startText) {
  if (!AskPresetAdd(startText)) return;
  TellPresetAddResult(RequestPresetAdd(programId, scheduleKind, regularNumber));
}

}  // namespace velomira
