// Building the preferences panel: the caption, tabs and buttons over the guide-window
// background, and the four pages.
#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "account/ProfileLists.h"
#include "account/Tfrm_pre.h"
#include "controls/CodePageText.h"
#include "controls/TFlatRadioButton.h"
#include "controls/THoverImage.h"
#include "controls/THoverLabel.h"
#include "controls/TImage.h"
#include "controls/TPicturePanel.h"
#include "controls/TMyImage.h"
#include "controls/TTransparentButton.h"
#include "core/qt/WindowChrome.h"
#include "guide/BannerStrip.h"
#include "guide/GuideLayout.h"

namespace velomira {

namespace {

constexpr QRect kIntroPlace(12, 38, 266, 40);
constexpr int kTabsTop = 80;
constexpr QRect kPagePlace(8, 102, 274, 220);
constexpr QPoint kOkPlace(150, 328);
constexpr QPoint kCancelPlace(216, 328);
constexpr int kRow = 21;          // one line of a page
constexpr int kFieldLeft = 84;    // edit boxes right of their labels
constexpr int kFieldWidth = 180;

const QColor kTextColor = guide_layout::kCaptionColor;
const QColor kLinkColor = guide_layout::kStationColor;

QLabel* Text(QWidget* page, const char* name, const char* text, QRect place, bool bold = false) {
  QLabel* label = MakeGuideLabel(page, name, ToQString(text), place, kTextColor, bold, 10);
  label->setWordWrap(true);
  return label;
}

QLineEdit* Edit(QWidget* page, const char* name, QRect place) {
  auto* edit = new QLineEdit(page);
  edit->setObjectName(name);
  edit->setFont(guide_layout::LabelFont(false, 11));
  edit->setGeometry(place);
  return edit;
}

// A labelled edit box on line `line` of a page.
QLineEdit* LabelledEdit(QWidget* page, const char* name, const char* label, int line) {
  Text(page, (std::string(name) + "_label").c_str(), label, QRect(6, 4 + line * kRow, kFieldLeft - 8, 18));
  return Edit(page, name, QRect(kFieldLeft, 2 + line * kRow, kFieldWidth, 19));
}

QComboBox* DropDown(QWidget* page, const char* name, QRect place, const std::vector<std::string>& items) {
  auto* list = new QComboBox(page);
  list->setObjectName(name);
  list->setFont(guide_layout::LabelFont(false, 11));
  list->setGeometry(place);
  for (const std::string& item : items) list->addItem(ToQString(item));
  // Long lists open wide enough that every item reads whole.
  list->view()->setMinimumWidth(list->view()->sizeHintForColumn(0) + 24);
  list->setCurrentIndex(0);
  return list;
}

// A radio button or check box with its caption in the pages' text colour and font.
void PlaceChoice(QAbstractButton* choice, const char* name, QRect place) {
  choice->setObjectName(name);
  choice->setFont(guide_layout::LabelFont(false, 10));
  QPalette palette = choice->palette();
  palette.setColor(QPalette::WindowText, kTextColor);
  choice->setPalette(palette);
  choice->setGeometry(place);
}

TFlatRadioButton* Radio(QWidget* page, QButtonGroup* group, const char* name, const char* caption, QRect place) {
  auto* radio = new TFlatRadioButton(page);
  radio->SetCaption(caption);
  PlaceChoice(radio, name, place);
  group->addButton(radio);
  return radio;
}

QCheckBox* Check(QWidget* page, const char* name, const char* caption, QRect place) {
  auto* box = new QCheckBox(ToQString(caption), page);
  PlaceChoice(box, name, place);
  return box;
}

THoverLabel* Link(QWidget* page, const char* name, const char* caption, QRect place) {
  auto* link = new THoverLabel(page);
  link->setObjectName(name);
  link->setFont(guide_layout::LabelFont(false, 10));
  link->SetCaption(caption);
  link->SetFontColor(kLinkColor);
  link->SetColorEnter(guide_layout::kRowEnterColor);
  link->SetColorClick(kLinkColor);
  link->setGeometry(place);
  return link;
}

THoverImage* PictureButton(QWidget* panel, const char* name, const std::string& picture, QPoint place) {
  auto* button = new THoverImage(panel);
  button->setObjectName(name);
  const std::string over = picture.substr(0, picture.size() - 4) + "_ovr.gif";
  LoadButtonPictures(button, picture, over, over);
  button->SetAutoSize(true);
  button->move(place);
  return button;
}

}  // namespace

void Tfrm_pre::BuildChrome() {
  // The guide windows' back button, line under the caption, banner strip and display
  // toggle have no place here.
  imgOk->hide();
  SubCaption->hide();
  Banner->Stop();
  Banner->Back->hide();
  Banner->Image->hide();
  TitleBarPictures[3]->hide();
  TitleBarPictures[0]->setObjectName("Image3");
  TitleBarPictures[3]->setObjectName("imgDisplay");
  Label35 = Label2;
  Label35->setObjectName("Label35");
  Text(Panel, "Label33",
       "Velomira's User Preference feature allows you to customize your personal information. It also helps "
       "us bring you better service. Thanks!",
       kIntroPlace);

  static constexpr std::array<std::pair<const char*, const char*>, 4> kTabs{
      {{"time", "timezone.gif"}, {"id_pass", "idpass.gif"}, {"person", "personal.gif"}, {"setting", "settings.gif"}}};
  for (std::size_t i = 0; i < kTabs.size(); ++i) {
    Tabs[i] = PictureButton(Panel, kTabs[i].first, kTabs[i].second, QPoint(11 + 68 * static_cast<int>(i), kTabsTop));
    const int page = static_cast<int>(i) + 1;
    connect(Tabs[i], &THoverImage::OnClick, this, [this, page] { ShowPage(page); });
  }
  for (std::size_t i = 0; i < Pages.size(); ++i) {
    Pages[i] = new QWidget(Panel);
    Pages[i]->setObjectName(QStringLiteral("pnl_%1").arg(i + 1));
    Pages[i]->setGeometry(kPagePlace);
  }
  BuildTimeZonePage(Pages[0]);
  BuildPasswordPage(Pages[1]);
  BuildPersonalPage(Pages[2]);
  BuildSettingsPage(Pages[3]);

  pre_ok = PictureButton(Panel, "pre_ok", "back_ok.gif", kOkPlace);
  connect(pre_ok, &THoverImage::OnClick, this, &Tfrm_pre::pre_okClick);
  pre_cancel = PictureButton(Panel, "pre_cancel", "back_cancel.gif", kCancelPlace);
  connect(pre_cancel, &THoverImage::OnClick, this, &Tfrm_pre::pre_cancelClick);
}

void Tfrm_pre::BuildTimeZonePage(QWidget* page) {
  Text(page, "Label5", "Time zone", QRect(6, 6, 200, 16), true);
  std::vector<std::string> zones;
  for (std::size_t item = 0; item < TimeZoneItems().size(); ++item) zones.push_back(PreferenceZoneLabel(item));
  cb_zone = DropDown(page, "cb_zone", QRect(6, 26, 262, 21), zones);
  Text(page, "Label6", "Is your area currently in Daylight Savings Time?", QRect(6, 62, 262, 30));
  auto* group = new QButtonGroup(page);
  Rb_yes = Radio(page, group, "Rb_yes", "Yes", QRect(20, 94, 60, 18));
  Rb_no = Radio(page, group, "Rb_no", "No", QRect(90, 94, 60, 18));
  Rb_no->setChecked(true);
}

void Tfrm_pre::BuildPasswordPage(QWidget* page) {
  Text(page, "Label7", "ID / Password", QRect(6, 6, 200, 16), true);
  ed_id = LabelledEdit(page, "ed_id", "ID", 1);
  ed_id->setEnabled(false);
  ed_pass = LabelledEdit(page, "ed_pass", "Password", 2);
  Edit4 = LabelledEdit(page, "Edit4", "Verify Password", 3);
  for (QLineEdit* password : {ed_pass, Edit4}) password->setEchoMode(QLineEdit::Password);
  cb_save = Check(page, "cb_save", "Save ID / Password", QRect(6, 4 + 4 * kRow + 6, 262, 18));
  Text(page, "Label8", "(Log in automatically upon start up)", QRect(26, 4 + 5 * kRow + 2, 240, 16));
  // The sentence ends where its link begins.
  QLabel* changeId = Text(page, "Label9", "To change your ID, please send us an ", QRect(6, 4 + 7 * kRow, 200, 16));
  changeId->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Label24 = Link(page, "Label24", "e-mail.", QRect(changeId->geometry().right() + 1, 4 + 7 * kRow, 60, 16));
  connect(Label24, &THoverLabel::OnClick, this, &Tfrm_pre::Label24Click);
}

void Tfrm_pre::BuildPersonalPage(QWidget* page) {
  ed_fname = LabelledEdit(page, "ed_fname", "First Name", 0);
  ed_lname = LabelledEdit(page, "ed_lname", "Last Name", 1);
  ed_mail = LabelledEdit(page, "ed_mail", "Email", 2);
  ed_addr = LabelledEdit(page, "ed_addr", "Address", 3);
  ed_city = LabelledEdit(page, "ed_city", "City", 4);
  ed_post = LabelledEdit(page, "ed_post", "Postal Code", 5);
  ed_post->resize(90, ed_post->height());
  Text(page, "Label11", "State", QRect(6, 4 + 6 * kRow, 70, 16));
  cb_state = DropDown(page, "cb_state", QRect(kFieldLeft, 2 + 6 * kRow, 120, 20), States());
  Text(page, "Label12", "(U.S only)", QRect(kFieldLeft + 124, 4 + 6 * kRow, 60, 16));
  Text(page, "Label13", "Country", QRect(6, 4 + 7 * kRow, 70, 16));
  cb_country = DropDown(page, "cb_country", QRect(kFieldLeft, 2 + 7 * kRow, kFieldWidth, 20), Countries());
  Text(page, "Label14", "Age Range", QRect(6, 4 + 8 * kRow, 70, 16));
  cb_age = DropDown(page, "cb_age", QRect(kFieldLeft, 2 + 8 * kRow, 70, 20),
                    {"Select", "13 ~ 17", "18 ~ 24", "25 ~ 34", "35 ~ 49", "50+"});
  auto* group = new QButtonGroup(page);
  rb_male = Radio(page, group, "rb_male", "Male", QRect(kFieldLeft + 76, 3 + 8 * kRow, 50, 18));
  rb_female = Radio(page, group, "rb_female", "Female", QRect(kFieldLeft + 126, 3 + 8 * kRow, 60, 18));
  rb_female->setChecked(true);
  Label36 = Link(page, "Label36", "Privacy Policy.", QRect(6, 4 + 9 * kRow, 120, 16));
  connect(Label36, &THoverLabel::OnClick, this, &Tfrm_pre::Label36Click);
}

void Tfrm_pre::BuildSettingsPage(QWidget* page) {
  Text(page, "Label15", "Connection speed", QRect(6, 2, 200, 16), true);
  auto* connection = new QButtonGroup(page);
  // Laid out as the registration shows them; kept in the service's code order.
  struct SpeedPlace { const char* name; const char* caption; int column, row; };
  static constexpr std::array<SpeedPlace, 6> kConnections{{{"rb_dial", "Dial-up", 0, 0},
                                                          {"rb_cable", "Cable Modem", 0, 2},
                                                          {"rb_dsl", "DSL/ADSL", 1, 1},
                                                          {"rb_isd", "ISDN", 0, 1},
                                                          {"rb_t2", "T1/T3", 1, 0},
                                                          {"rb_fop", "Fiber Optic", 1, 2}}};
  for (std::size_t i = 0; i < kConnections.size(); ++i) {
    const SpeedPlace& place = kConnections[i];
    ConnectionButtons[i] = Radio(page, connection, place.name, place.caption,
                                 QRect(14 + place.column * 120, 20 + place.row * 18, 110, 18));
  }
  ConnectionButtons[0]->setChecked(true);

  cb_new = Check(page, "cb_new", "I would like Velomira to automatically start when", QRect(6, 80, 266, 18));
  Text(page, "Label16", "my computer logs in.", QRect(26, 97, 240, 14));
  cb_wek = Check(page, "cb_wek", "Sign me up for Velomira Newsletter, I'd like to", QRect(6, 114, 266, 18));
  Text(page, "Label17", "receive news of Velomira by e-mail.", QRect(26, 131, 240, 14));
  for (QCheckBox* box : {cb_new, cb_wek}) box->setChecked(true);

  Text(page, "Label18", "Ticker control", QRect(6, 152, 200, 16), true);
  auto* ticker = new QButtonGroup(page);
  static constexpr std::array<std::pair<const char*, const char*>, 3> kSpeeds{
      {{"rb_fast", "Fast"}, {"rb_Medium", "Medium"}, {"rb_Slow", "Slow"}}};
  for (std::size_t i = 0; i < kSpeeds.size(); ++i) {
    SpeedButtons[i] = Radio(page, ticker, kSpeeds[i].first, kSpeeds[i].second,
                            QRect(14 + static_cast<int>(i) * 80, 170, 76, 18));
  }
  SpeedButtons[1]->setChecked(true);
  Label32 = Link(page, "Label32", "Terms of Service.", QRect(6, 196, 140, 16));
  connect(Label32, &THoverLabel::OnClick, this, &Tfrm_pre::Label32Click);
}

}  // namespace velomira
