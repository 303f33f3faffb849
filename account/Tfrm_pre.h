#pragma once
// The preferences panel: the member record from the service on four pages (time zone,
// ID and password, personal info, settings), sent back whole on OK; the client's own
// settings (ticker speed, remembered password, auto-start) follow once it is taken. It takes the
// main window's place like a guide window; Cancel gives the main window back unchanged.
#include <array>
#include <string>

#include "account/PreferenceForm.h"
#include "guide/GuideWindow.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;

namespace velomira {

class THoverImage;
class THoverLabel;
class TFlatRadioButton;

class Tfrm_pre : public GuideWindow {
  Q_OBJECT
 public:
  explicit Tfrm_pre(MainWindowHost& host);

  // Page tabs: page 1 time zone, 2 ID and password, 3 personal, 4 settings.
  void ShowPage(int page);
  int Page() const { return page_; }
  void pre_okClick();
  void pre_cancelClick();
  void Label24Click();  // a mail to the support mailbox
  void Label32Click();  // terms of service
  void Label36Click();  // privacy policy

  // The pages' controls as the member sees them, and back.
  PreferencePages ReadPages() const;
  void ShowPages(const PreferencePages& pages);

  QLabel* Label35;  // the caption "Preference"
  std::array<THoverImage*, 4> Tabs;  // time, id_pass, person, setting
  THoverImage* pre_ok;
  THoverImage* pre_cancel;
  std::array<QWidget*, 4> Pages;  // pnl_1 ... pnl_4

  QComboBox* cb_zone;
  TFlatRadioButton *Rb_yes, *Rb_no;
  QLineEdit *ed_id, *ed_pass, *Edit4;
  QCheckBox* cb_save;
  THoverLabel* Label24;
  QLineEdit *ed_fname, *ed_lname, *ed_mail, *ed_addr, *ed_city, *ed_post;
  QComboBox *cb_state, *cb_country, *cb_age;
  TFlatRadioButton *rb_male, *rb_female;
  THoverLabel* Label36;
  // In the service's connection code order 1-6: Dial-up, Cable Modem, DSL/ADSL, ISDN,
  // T1/T3, Fiber Optic.
  std::array<TFlatRadioButton*, 6> ConnectionButtons;
  QCheckBox *cb_new, *cb_wek;
  // TickerSpeed order: rb_fast, rb_Medium, rb_Slow.
  std::array<TFlatRadioButton*, 3> SpeedButtons;
  THoverLabel* Label32;

 protected:
  void Opened() override;

 private:
  void BuildChrome();
  void BuildTimeZonePage(QWidget* page);
  void BuildPasswordPage(QWidget* page);
  void BuildPersonalPage(QWidget* page);
  void BuildSettingsPage(QWidget* page);
  void MemberRecordLoaded(const std::string& reply);
  void UpdateAnswered(const std::string& reply);
  void ShowState(const std::string& name);
  int ChosenSpeed() const;

  // The client's own settings as OK found them, stored once the service took the record.
  struct PendingSettings {
    int TickerSpeed = 0;
    bool AutoStart = false;
    bool RememberPassword = false;  // cb_save
    std::string Password;
  };

  int page_ = 1;
  PendingSettings settings_;
};

}  // namespace velomira
