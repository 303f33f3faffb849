// The registration wizard's buttons: page moves, the checks and the two requests.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "account/Login.h"
#include "account/ProfileRules.h"
#include "account/RegistrationChecks.h"
#include "account/ProfileLists.h"
#include "account/Tfrm_login.h"
#include "account/Tfrm_reg.h"
#include "controls/CodePageText.h"
#include "controls/TFlatRadioButton.h"
#include "controls/TPicturePanel.h"
#include "core/AsciiText.h"
#include "core/dFunc.h"
#include "core/qt/RunRequest.h"
#include "dialogkit/DialogBusy.h"
#include "mainwin/alertbox/AlertBox.h"
#include "platform/AutoStart.h"
#include "platform/Browser.h"

namespace velomira {

namespace {

std::string YesNo(bool yes) { return yes ? "y" : "n"; }

std::string Text(const QLineEdit* edit) { return FromQString(edit->text()); }

}  // namespace

void Tfrm_reg::CloseToLogin() {
  ShowLoginWindow();
  close();
}

void Tfrm_reg::HoverImage2Click() {
  // The page moves on whatever proxy.ini made of the settings.
  SaveProxyForm();
  ShowPage(pnl1);
}

void Tfrm_reg::img_next1Click() {
  if (cb_time1->currentIndex() <= 0) {
    ShowAlert("Select time zone.");
    return;
  }
  ShowPage(pnl2);
  ed_id->setFocus();
}

void Tfrm_reg::img_cancel2Click() {
  for (QLineEdit* edit : {ed_id, ed_pass, ed_conpass}) edit->clear();
  IdChecked() = false;
}

void Tfrm_reg::id_overlapClick() {
  const std::string id = Text(ed_id);
  if (IdTooShortToCheck(id)) {
    ShowAlert("Please enter your ID using 6 to 14 characters");
    ed_id->setFocus();
    return;
  }
  RunRequest(this, [id] { return RequestIdOverlapCheck(id); },
             [this, busy = MakeDialogBusy(this)](std::string reply) mutable {
               busy.reset();
               if (reply.empty()) {
                 ShowAlert("Cannot connect to server.\rPlease make sure your network configuration, try again.");
                 OpenWebPage(WebRoot() + "/help/faq.htm");
                 return;
               }
               const std::string code = reply.substr(0, 3);
               if (code == "121") {
                 IdChecked() = true;
                 ShowAlert("You can use this ID.");
                 ed_pass->setFocus();
               } else if (code == "120") {
                 IdChecked() = false;
                 ShowAlert("You can not use this ID. Please try another ID.");
                 ed_id->clear();
                 ed_id->setFocus();
               }
             });
}

void Tfrm_reg::img_next2Click() {
  const IdPageProblem problem = CheckIdPage(Text(ed_id), Text(ed_pass), Text(ed_conpass), IdChecked());
  if (problem.Message.empty()) {
    ShowPage(pnl3);
    ed_firname->setFocus();
    return;
  }
  ShowAlert(problem.Message);
  switch (problem.Focus) {
    case IdPageField::Id: ed_id->setFocus(); break;
    case IdPageField::Password: ed_pass->setFocus(); break;
    case IdPageField::Confirmation: ed_conpass->setFocus(); break;
    case IdPageField::None: break;
  }
}

void Tfrm_reg::img_next3Click() {
  if (ed_firname->text().isEmpty()) {
    ShowAlert("Please enter your first name.");
    ed_firname->setFocus();
    return;
  }
  const MailVerdict mail = CheckMail(Text(ed_mail));
  if (mail != MailVerdict::Accepted) {
    ed_mail->clear();
    ShowAlert(mail == MailVerdict::Missing
                  ? "Please enter your e-mail address."
                  : "The e-mail address is not in the correct format. Please try again.");
    ed_mail->setFocus();
    return;
  }
  ShowPage(pnl4);
}

void Tfrm_reg::img_cancel3Click() {
  for (QLineEdit* edit : {ed_firname, ed_lastname, ed_mail, ed_addr, ed_city, ed_code}) edit->clear();
  for (QComboBox* list : {cb_state, cb_contry, cb_age}) list->setCurrentIndex(0);
}

void Tfrm_reg::img_cancel4Click() {
  cbo_auto->setChecked(true);
  ch_news->setChecked(true);
}

MemberProfile Tfrm_reg::Answers() const {
  MemberProfile member;
  const int zone = cb_time1->currentIndex();
  if (zone > 0) member.Gmt = TimeZoneItems().at(static_cast<std::size_t>(zone)).Code;
  member.Id = Text(ed_id);
  member.Password = Text(ed_pass);
  member.FirstName = Text(ed_firname);
  member.LastName = Text(ed_lastname);
  member.Email = Text(ed_mail);
  member.Address = Text(ed_addr);
  member.City = Text(ed_city);
  member.StateName = ItemText(States(), cb_state->currentIndex());
  member.Post = Text(ed_code);
  member.Country = ItemText(Countries(), cb_contry->currentIndex());
  member.Age = AgeCode(cb_age->currentIndex());
  member.Gender = rb_btn1->isChecked() ? "m" : "f";
  const std::pair<const TFlatRadioButton*, const char*> speeds[] = {
      {Rb_Dial, "1"}, {Rb_cm, "2"}, {rb_adsl, "3"}, {rb_isdn, "4"}, {rb_t1, "5"}, {rb_fo, "6"}};
  for (const auto& [radio, code] : speeds) {
    if (radio->isChecked()) member.Connection = code;
  }
  member.Newsletter = YesNo(ch_news->isChecked());
  member.AutoStart = YesNo(cbo_auto->isChecked());
  member.DaylightSaving = YesNo(Rb_yes->isChecked());
  return member;
}

void Tfrm_reg::img_finishClick() {
  const MemberProfile member = Answers();
  if (!cbo_auto->isChecked()) {
    RemoveAutoStartEntry();
  } else if (!WriteAutoStartEntry()) {
    // Signing up matters more than starting with the desktop: say so and go on.
    ShowAlert("Velomira could not set itself to start when you log in: its autostart entry "
              "could not be written. Your registration is sent anyway.");
  }
  RunRequest(this, [member] { return RequestUserRegistration(member); },
             [this, id = member.Id, busy = MakeDialogBusy(this)](std::string reply) mutable {
               busy.reset();
               const int code = ReplyCode(TrimBlanks(reply));
               if (code < 100 || code > 199) {
                 ShowAlert("Retry again velomira registration.");
                 return;
               }
               ShowPage(nullptr);
               ShowLoginWindow();
               if (frm_login) frm_login->ed_id->setText(ToQString(id));
               close();
             });
}

}  // namespace velomira
