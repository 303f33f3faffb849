#include "mainwin/alertbox/AlertBox.h"

#include <memory>

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

void ConfirmPresetAdd(const std::string& programId, const std::string& scheduleKind,
                      const std::string& regularNumber, const std::string& startText) {
  const std::string question = "The program you've selected starts on " + startText +
                               ".\r\nWould you like to Preset this program?";
  if (ShowConfirm(question) != 1) return;
  // The values come from service records; encoding keeps a stray "&" or "#" from
  // breaking the query (plain IDs and numbers are unchanged by it).
  const std::string reply = HttpPostText(
      ServiceRoot() + "/servlet/servlet.PresetEdit?prgm_id=" + UrlEncode(programId) +
      "&usr_id=" + UrlEncode(State().MemberId) + "&mode=add&is_reg=" + UrlEncode(scheduleKind) +
      "&regular_no=" + UrlEncode(regularNumber));
  const int code = ReplyCode(reply);
  if (IsSuccessCode(code))
    ShowNotice("The program you've\r\nselected is saved on your Preset List");
  else if (code == 211)
    ShowNotice("The Program you've\r\nalready your Preset List");
}

}  // namespace velomira
