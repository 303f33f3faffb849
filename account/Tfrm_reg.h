#pragma once
// The registration wizard "frm_reg", opened from the login dialog: five pages laid over
// each other (network, time zone, ID and password, personal details, settings). It
// frees itself when closed and shows the login dialog again; after a successful
// registration the login dialog holds the new ID.
#include "account/ProxyControls.h"
#include "core/ServletRequests.h"
#include "dialogkit/SkinnedDialog.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace velomira {

class TFlatRadioButton;
class THoverImage;
class THoverLabel;
class TPicturePanel;
class TTransparentButton;

class Tfrm_reg : public SkinnedDialog, public ProxyControls {
  Q_OBJECT
 public:
  explicit Tfrm_reg(QWidget* parent = nullptr);

  // Page 0, network: the proxy controls (ProxyControls) and these.
  TPicturePanel* proxy_pnl;
  QLabel* Label19;  // title, drags the window
  QLineEdit*& ed_proxypass = ProxyPassword;
  THoverImage* HoverImage1;  // back
  THoverImage* HoverImage2;  // next
  THoverImage* HoverImage3;  // cancel
  TTransparentButton* TransparentButton5;

  // Page 1, time zone.
  TPicturePanel* pnl1;
  QLabel* Label1;
  QComboBox* cb_time1;
  TFlatRadioButton* Rb_yes;
  TFlatRadioButton* Rb_no;
  THoverImage* img_back1;
  THoverImage* img_next1;
  THoverImage* img_cancel1;
  TTransparentButton* TransparentButton1;

  // Page 2, ID and password.
  TPicturePanel* pnl2;
  QLabel* Label7;
  QLineEdit* ed_id;
  QLineEdit* ed_pass;
  QLineEdit* ed_conpass;
  THoverImage* id_overlap;
  THoverImage* img_back2;
  THoverImage* img_next2;
  THoverImage* img_cancel2;
  TTransparentButton* TransparentButton4;

  // Page 3, personal details.
  TPicturePanel* pnl3;
  QLabel* Label25;
  QLineEdit* ed_firname;
  QLineEdit* ed_lastname;
  QLineEdit* ed_mail;
  QLineEdit* ed_addr;
  QLineEdit* ed_city;
  QLineEdit* ed_code;
  QComboBox* cb_state;
  QComboBox* cb_contry;
  QComboBox* cb_age;
  TFlatRadioButton* rb_btn1;  // male
  TFlatRadioButton* rb_btn2;  // female
  THoverLabel* Label15;       // privacy policy
  THoverImage* img_back3;
  THoverImage* img_next3;
  THoverImage* img_cancel3;
  TTransparentButton* TransparentButton3;

  // Page 4, settings.
  TPicturePanel* pnl4;
  QLabel* Label26;
  QGroupBox* mygroup1;
  TFlatRadioButton* Rb_Dial;
  TFlatRadioButton* rb_isdn;
  TFlatRadioButton* Rb_cm;
  TFlatRadioButton* rb_t1;
  TFlatRadioButton* rb_adsl;
  TFlatRadioButton* rb_fo;
  QCheckBox* cbo_auto;
  QCheckBox* ch_news;
  THoverLabel* Label14;  // terms of service
  THoverImage* img_back4;
  THoverImage* img_finish;
  THoverImage* img_cancel4;
  TTransparentButton* TransparentButton2;

  // The page shown, 0 to 4.
  int CurrentPage() const;
  // What the finish button sends, from the controls as they stand.
  MemberProfile Answers() const;

 private:
  void MakeNetworkPage();
  void MakeTimeZonePage();
  void MakeIdPage();
  void MakePersonalPage();
  void MakeSettingsPage();
  // A page: its background, dragging title, close box and back/next/cancel buttons.
  TPicturePanel* MakePage(const QString& name, const std::string& picture, const QString& titleName,
                          QLabel*& title, const QString& closeName, TTransparentButton*& close);
  void ShowPage(TPicturePanel* page);
  // The close boxes and the network page's back: the login dialog comes back.
  void CloseToLogin();

  void HoverImage2Click();
  void img_next1Click();
  void img_cancel2Click();
  void id_overlapClick();
  void img_next2Click();
  void img_next3Click();
  void img_cancel3Click();
  void img_finishClick();
  void img_cancel4Click();
};

}  // namespace velomira
