#include "account/Tfrm_pre.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>

#include "account/ProfileLists.h"
#include "account/RememberedLogin.h"
#include "controls/CodePageText.h"
#include "controls/TFlatRadioButton.h"
#include "controls/THoverImage.h"
#include "core/TickerSpeeds.h"
#include "core/dFunc.h"
#include "mainwin/MainWindowHost.h"
#include "mainwin/alertbox/AlertBox.h"
#include "platform/Browser.h"
#include "platform/MailLink.h"

namespace velomira {

namespace {

const GuideWindowSpec kPreferenceWindow{
    .WindowName = "frm_pre",
    .PanelName = "pnl_pre",
    .Caption = "Preference",
    .CaptionHint = "",
    .SubCaption = "",
    .BannerLetter = 'e',
    .LogLetter = 'e',
    .OpenCounter = nullptr,
};

constexpr const char* TryLaterMessage = "Please try again later.";

void SetCurrent(QComboBox* list, int item) { list->setCurrentIndex(item < list->count() ? item : -1); }

}  // namespace

Tfrm_pre::Tfrm_pre(MainWindowHost& host) : GuideWindow(host, kPreferenceWindow) {
  DetectBrowser();
  BuildChrome();
  ShowPage(1);
}

void Tfrm_pre::ShowPage(int page) {
  page_ = page;
  for (int i = 0; i < 4; ++i) {
    const bool shown = i + 1 == page;
    Pages[static_cast<std::size_t>(i)]->setVisible(shown);
    Tabs[static_cast<std::size_t>(i)]->SetClicked(shown);
  }
}

void Tfrm_pre::Opened() {
  ShowPage(1);
  Request([] { return RequestPreferenceGet(); },
          [this](const std::string& reply) { MemberRecordLoaded(reply); });
}

void Tfrm_pre::MemberRecordLoaded(const std::string& reply) {
  cb_save->setChecked(ReadRememberedLogin().AutoLogin);
  if (const int speed = State().TickerSpeed; IsTickerSpeed(speed)) {
    SpeedButtons[static_cast<std::size_t>(speed)]->setChecked(true);
  }
  PreferencePages pages = ReadPages();
  if (!FillFromMemberRecord(reply, pages)) {
    // Nothing usable came back: the pages keep their start state and Cancel still works.
    ShowAlert(TryLaterMessage);
    return;
  }
  ShowPages(pages);
}

PreferencePages Tfrm_pre::ReadPages() const {
  PreferencePages pages;
  pages.ZoneItem = cb_zone->currentIndex() > 0 ? static_cast<std::size_t>(cb_zone->currentIndex()) : 0;
  pages.DaylightSaving = Rb_yes->isChecked();
  pages.Id = FromQString(ed_id->text());
  pages.Password = FromQString(ed_pass->text());
  pages.Confirm = FromQString(Edit4->text());
  pages.FirstName = FromQString(ed_fname->text());
  pages.LastName = FromQString(ed_lname->text());
  pages.Email = FromQString(ed_mail->text());
  pages.Address = FromQString(ed_addr->text());
  pages.City = FromQString(ed_city->text());
  pages.Post = FromQString(ed_post->text());
  pages.StateName = cb_state->currentIndex() >= 0 ? FromQString(cb_state->currentText()) : std::string();
  pages.CountryItem = cb_country->currentIndex();
  pages.AgeItem = std::max(cb_age->currentIndex(), 0);
  pages.Gender = rb_male->isChecked() ? 'm' : 'f';
  for (std::size_t i = 0; i < ConnectionButtons.size(); ++i) {
    if (ConnectionButtons[i]->isChecked()) pages.Connection = static_cast<int>(i) + 1;
  }
  pages.Newsletter = cb_wek->isChecked();
  pages.AutoStart = cb_new->isChecked();
  return pages;
}

void Tfrm_pre::ShowPages(const PreferencePages& pages) {
  SetCurrent(cb_zone, static_cast<int>(pages.ZoneItem));
  (pages.DaylightSaving ? Rb_yes : Rb_no)->setChecked(true);
  ed_pass->setText(ToQString(pages.Password));
  Edit4->setText(ToQString(pages.Confirm));
  ed_id->setText(ToQString(pages.Id));
  ed_id->setEnabled(false);
  ed_fname->setText(ToQString(pages.FirstName));
  ed_lname->setText(ToQString(pages.LastName));
  ed_mail->setText(ToQString(pages.Email));
  ed_addr->setText(ToQString(pages.Address));
  ed_city->setText(ToQString(pages.City));
  ed_post->setText(ToQString(pages.Post));
  ShowState(pages.StateName);
  SetCurrent(cb_country, pages.CountryItem);
  SetCurrent(cb_age, pages.AgeItem);
  (pages.Gender == 'm' ? rb_male : rb_female)->setChecked(true);
  ConnectionButtons.at(static_cast<std::size_t>(pages.Connection - 1))->setChecked(true);
  cb_wek->setChecked(pages.Newsletter);
  cb_new->setChecked(pages.AutoStart);
}

void Tfrm_pre::ShowState(const std::string& name) {
  // A state the list lacks is shown as an item of its own, so that OK sends it back.
  while (cb_state->count() > static_cast<int>(States().size())) cb_state->removeItem(cb_state->count() - 1);
  int item = FindItemIgnoringCase(States(), name);
  if (item < 0 && !name.empty()) {
    cb_state->addItem(ToQString(name));
    item = cb_state->count() - 1;
  }
  cb_state->setCurrentIndex(item);
}

int Tfrm_pre::ChosenSpeed() const {
  for (std::size_t i = 0; i < SpeedButtons.size(); ++i) {
    if (SpeedButtons[i]->isChecked()) return static_cast<int>(i);
  }
  return State().TickerSpeed;
}

void Tfrm_pre::pre_okClick() {
  if (Busy()) return;
  const PreferencePages pages = ReadPages();
  if (const auto failure = CheckPreferences(pages)) {
    if (failure->ClearEmail) ed_mail->clear();
    const QPointer<Tfrm_pre> guard(this);
    ShowAlert(failure->Message);
    if (guard) ShowPage(failure->Page);
    return;
  }

  // The client's own settings change only once the service has taken the record: a
  // refused OK leaves everything as it was.
  settings_ = {ChosenSpeed(), pages.AutoStart, cb_save->isChecked(), pages.Password};
  Request([profile = ProfileFromPages(pages)] { return RequestPreferenceUpdate(profile); },
          [this](const std::string& reply) { UpdateAnswered(reply); });
}

void Tfrm_pre::UpdateAnswered(const std::string& reply) {
  if (!ApplyPreferenceUpdateReply(reply)) {
    ShowAlert(TryLaterMessage);
    return;
  }
  StoreTickerSpeed(settings_.TickerSpeed);
  StoreRememberedPassword(settings_.Password, settings_.RememberPassword);
  if (!StoreAutoStart(settings_.AutoStart)) {
    const QPointer<Tfrm_pre> guard(this);
    ShowAlert(settings_.AutoStart ? "Velomira could not be set to start when you log in:\r"
                                    "the autostart folder cannot be written."
                                  : "Velomira could not be kept from starting when you log in:\r"
                                    "the autostart entry cannot be removed.");
    if (!guard) return;
  }
  Host().RefreshClock();
  imgOkClick();
}

void Tfrm_pre::pre_cancelClick() { imgOkClick(); }

void Tfrm_pre::Label24Click() { OpenMailTo(SupportMailbox()); }

void Tfrm_pre::Label32Click() { OpenWebPage(WebRoot() + "/aboutus/terms.htm"); }

void Tfrm_pre::Label36Click() { OpenWebPage(WebRoot() + "/aboutus/privacy.htm"); }

}  // namespace velomira
