#include "account/Tfrm_reg.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "account/ProfileLists.h"
#include "controls/CodePageText.h"
#include "controls/TFlatRadioButton.h"
#include "controls/THoverImage.h"
#include "controls/THoverLabel.h"
#include "controls/TPicturePanel.h"
#include "controls/TTransparentButton.h"
#include "core/dFunc.h"
#include "core/qt/SkinPicture.h"
#include "core/qt/WindowDrag.h"
#include "dialogkit/FormParts.h"
#include "platform/Browser.h"

namespace velomira {

namespace {

constexpr int MaxCredentialLength = 14;
constexpr int ButtonsTop = 310;
constexpr int BackLeft = 40, NextLeft = 132, CancelLeft = 224;

// A back, next or cancel button in the row along the foot of a page.
THoverImage* PageButton(QWidget* page, const char* name, const std::string& picture, int left) {
  return MakePictureButton(page, QString::fromLatin1(name), picture, {left, ButtonsTop});
}

// A drop-down list whose open list is wide enough for its longest item, even when the
// closed box is narrower.
QComboBox* MakeList(QWidget* parent, const QString& name, QRect place) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  list->setGeometry(place);
  list->setMaxVisibleItems(16);
  QFont font = list->font();
  font.setPointSize(8);
  list->setFont(font);
  return list;
}

void FitOpenList(QComboBox* list) {
  QAbstractItemView* view = list->view();
  view->setMinimumWidth(std::max(list->width(), view->sizeHintForColumn(0) + 24));
  list->setCurrentIndex(0);
}

THoverLabel* MakeLink(QWidget* parent, const QString& name, const std::string& caption, QRect place) {
  auto* link = new THoverLabel(parent);
  link->setObjectName(name);
  link->setGeometry(place);
  link->SetCaption(caption);
  QFont font = link->font();
  font.setPointSize(8);
  font.setUnderline(true);
  link->setFont(font);
  link->SetFontColor(QColor(150, 200, 255));
  link->SetColorEnter(Qt::white);
  return link;
}

QLabel* MakeCaption(QWidget* page, const char* name, const std::string& text, int top) {
  return MakeLabel(page, QString::fromLatin1(name), text, {20, top, 100, 20});
}

QLabel* MakeCheckMark(QWidget* page, const QString& name, int top) {
  auto* mark = new QLabel(page);
  mark->setObjectName(name);
  mark->setPixmap(LoadSkinPicture(State().ButtonDir, "check.gif"));
  mark->setGeometry(8, top + 5, 10, 10);
  return mark;
}

}  // namespace

Tfrm_reg::Tfrm_reg(QWidget* parent)
    : SkinnedDialog(parent, QStringLiteral("frm_reg"), 330, 340, Stacking::Normal) {
  setAttribute(Qt::WA_DeleteOnClose);
  MakeNetworkPage();
  MakeTimeZonePage();
  MakeIdPage();
  MakePersonalPage();
  MakeSettingsPage();
  ShowPage(proxy_pnl);
}

TPicturePanel* Tfrm_reg::MakePage(const QString& name, const std::string& picture,
                                  const QString& titleName, QLabel*& title, const QString& closeName,
                                  TTransparentButton*& close) {
  TPicturePanel* page = MakeBackground(this, name, picture);
  title = MakeLabel(page, titleName, "Velomira Registration", {10, 2, 200, 16}, true);
  EnableWindowDrag(title);
  close = MakeCloseBox(page, closeName);
  connect(close, &TTransparentButton::OnClick, this, &Tfrm_reg::CloseToLogin);
  return page;
}

void Tfrm_reg::MakeNetworkPage() {
  proxy_pnl = MakePage(QStringLiteral("proxy_pnl"), "proxy_line01.gif", QStringLiteral("Label19"),
                       Label19, QStringLiteral("TransparentButton5"), TransparentButton5);
  // Not filled from proxy.ini: the page starts in the form's design state.
  MakeProxyControls(proxy_pnl, QStringLiteral("ed_proxypass"));
  ShowProxyForm();
  HoverImage1 = PageButton(proxy_pnl, "HoverImage1", "regist_back.gif", BackLeft);
  HoverImage2 = PageButton(proxy_pnl, "HoverImage2", "regist_next.gif", NextLeft);
  HoverImage3 = PageButton(proxy_pnl, "HoverImage3", "regist_cancel.gif", CancelLeft);
  connect(HoverImage1, &THoverImage::OnClick, this, &Tfrm_reg::CloseToLogin);
  connect(HoverImage2, &THoverImage::OnClick, this, &Tfrm_reg::HoverImage2Click);
}

void Tfrm_reg::MakeTimeZonePage() {
  pnl1 = MakePage(QStringLiteral("pnl1"), "regist.gif", QStringLiteral("Label1"), Label1,
                  QStringLiteral("TransparentButton1"), TransparentButton1);
  MakeLabel(pnl1, QStringLiteral("Label2"), "Please select your time zone.", {20, 40, 290, 20});
  cb_time1 = MakeList(pnl1, QStringLiteral("cb_time1"), {20, 66, 290, 22});
  for (const TimeZoneItem& zone : TimeZoneItems()) cb_time1->addItem(ToQString(zone.Label));
  FitOpenList(cb_time1);
  QLabel* daylight = MakeLabel(pnl1, QStringLiteral("Label3"),
                               "Is your area currently in Daylight Savings Time?", {20, 110, 290, 20});
  daylight->setWordWrap(true);
  Rb_yes = MakeRadio(pnl1, QStringLiteral("Rb_yes"), "Yes", {40, 136, 70, 18});
  Rb_no = MakeRadio(pnl1, QStringLiteral("Rb_no"), "No", {130, 136, 70, 18});
  Rb_no->setChecked(true);

  img_back1 = PageButton(pnl1, "img_back1", "regist_back.gif", BackLeft);
  img_next1 = PageButton(pnl1, "img_next1", "regist_next.gif", NextLeft);
  img_cancel1 = PageButton(pnl1, "img_cancel1", "regist_cancel.gif", CancelLeft);
  connect(img_back1, &THoverImage::OnClick, this, [this] { ShowPage(proxy_pnl); });
  connect(img_next1, &THoverImage::OnClick, this, &Tfrm_reg::img_next1Click);
  connect(img_cancel1, &THoverImage::OnClick, this, [this] { cb_time1->setCurrentIndex(0); });
  OnEnterKey(cb_time1, [this] { img_next1Click(); });
}

void Tfrm_reg::MakeIdPage() {
  pnl2 = MakePage(QStringLiteral("pnl2"), "regist.gif", QStringLiteral("Label7"), Label7,
                  QStringLiteral("TransparentButton4"), TransparentButton4);
  QLabel* intro = MakeLabel(pnl2, QStringLiteral("Label8"),
                            "Choose your ID and password, 6 to 14 characters each. Press "
                            "Check ID to see whether the ID is free.",
                            {20, 34, 290, 44});
  intro->setWordWrap(true);
  MakeCaption(pnl2, "Label9", "ID", 90);
  ed_id = MakeEdit(pnl2, QStringLiteral("ed_id"), {120, 90, 100, 20}, MaxCredentialLength);
  id_overlap = MakePictureButton(pnl2, QStringLiteral("id_overlap"), "duplication.gif", {226, 91});
  MakeCaption(pnl2, "Label10", "Password", 120);
  ed_pass = MakeEdit(pnl2, QStringLiteral("ed_pass"), {120, 120, 100, 20}, MaxCredentialLength);
  ed_pass->setEchoMode(QLineEdit::Password);
  MakeCaption(pnl2, "Label11", "Confirm", 150);
  ed_conpass = MakeEdit(pnl2, QStringLiteral("ed_conpass"), {120, 150, 100, 20}, MaxCredentialLength);
  ed_conpass->setEchoMode(QLineEdit::Password);
  for (QLineEdit* password : {ed_pass, ed_conpass})
    password->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));  // "*"

  img_back2 = PageButton(pnl2, "img_back2", "regist_back.gif", BackLeft);
  img_next2 = PageButton(pnl2, "img_next2", "regist_next.gif", NextLeft);
  img_cancel2 = PageButton(pnl2, "img_cancel2", "regist_cancel.gif", CancelLeft);
  connect(id_overlap, &THoverImage::OnClick, this, &Tfrm_reg::id_overlapClick);
  connect(img_back2, &THoverImage::OnClick, this, [this] { ShowPage(pnl1); });
  connect(img_next2, &THoverImage::OnClick, this, &Tfrm_reg::img_next2Click);
  connect(img_cancel2, &THoverImage::OnClick, this, &Tfrm_reg::img_cancel2Click);
  OnEnterKey(ed_id, [this] { id_overlapClick(); });
  OnEnterKey(ed_pass, [this] { ed_conpass->setFocus(); });
  OnEnterKey(ed_conpass, [this] { img_next2Click(); });
}

void Tfrm_reg::MakePersonalPage() {
  pnl3 = MakePage(QStringLiteral("pnl3"), "regist.gif", QStringLiteral("Label25"), Label25,
                  QStringLiteral("TransparentButton3"), TransparentButton3);
  constexpr int Row = 23, First = 26;
  const auto top = [](int row) { return First + row * Row; };
  const QRect field(120, 0, 190, 20);
  const auto at = [&](int row) { return field.translated(0, top(row)); };

  const auto edit = [&](const char* captionName, const std::string& caption, const char* name, int row) {
    MakeCaption(pnl3, captionName, caption, top(row));
    return MakeEdit(pnl3, QString::fromLatin1(name), at(row));
  };
  ed_firname = edit("Label16", "First Name", "ed_firname", 0);
  ed_lastname = edit("Label17", "Last Name", "ed_lastname", 1);
  ed_mail = edit("Label18", "Email", "ed_mail", 2);
  ed_addr = edit("Label20", "Address", "ed_addr", 3);
  ed_city = edit("Label21", "City", "ed_city", 4);
  ed_code = edit("Label22", "Postal Code", "ed_code", 5);
  MakeCaption(pnl3, "Label23", "State", top(6));
  MakeLabel(pnl3, QStringLiteral("Label27"), "(U.S only)", {58, top(6), 60, 20});
  cb_state = MakeList(pnl3, QStringLiteral("cb_state"), at(6));
  for (const std::string& state : States()) cb_state->addItem(ToQString(state));
  FitOpenList(cb_state);
  MakeCaption(pnl3, "Label24", "Country", top(7));
  cb_contry = MakeList(pnl3, QStringLiteral("cb_contry"), at(7));
  for (const std::string& country : Countries()) cb_contry->addItem(ToQString(country));
  FitOpenList(cb_contry);
  MakeCaption(pnl3, "Label28", "Age Range", top(8));
  cb_age = MakeList(pnl3, QStringLiteral("cb_age"), field.translated(0, top(8)).adjusted(0, 0, -100, 0));
  // The wizard's own labels; the codes sent for them are shared with the preferences panel.
  for (const char* age : {"Select", "13 - 17", "18 - 24", "25 - 34", "35 - 49", "50+"}) {
    cb_age->addItem(ToQString(age));
  }
  FitOpenList(cb_age);
  MakeCaption(pnl3, "Label29", "Gender", top(9));
  rb_btn1 = MakeRadio(pnl3, QStringLiteral("rb_btn1"), "Male", {120, top(9) + 1, 70, 18});
  rb_btn2 = MakeRadio(pnl3, QStringLiteral("rb_btn2"), "Female", {200, top(9) + 1, 80, 18});
  rb_btn1->setChecked(true);

  const int requiredRows[] = {0, 1, 2, 7, 8};
  for (int mark = 0; mark < 5; ++mark)
    MakeCheckMark(pnl3, QStringLiteral("img_check%1").arg(mark + 1), top(requiredRows[mark]));
  MakeCheckMark(pnl3, QStringLiteral("img_note"), top(10) + 2)->move(20, top(10) + 7);
  MakeLabel(pnl3, QStringLiteral("Label30"), "    ~ Required field. ", {24, top(10) + 2, 130, 20});
  Label15 = MakeLink(pnl3, QStringLiteral("Label15"), "Privacy Policy.", {210, top(10) + 2, 100, 20});
  Label15->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  img_back3 = PageButton(pnl3, "img_back3", "regist_back.gif", BackLeft);
  img_next3 = PageButton(pnl3, "img_next3", "regist_next.gif", NextLeft);
  img_cancel3 = PageButton(pnl3, "img_cancel3", "regist_cancel.gif", CancelLeft);
  connect(img_back3, &THoverImage::OnClick, this, [this] { ShowPage(pnl2); });
  connect(img_next3, &THoverImage::OnClick, this, &Tfrm_reg::img_next3Click);
  connect(img_cancel3, &THoverImage::OnClick, this, &Tfrm_reg::img_cancel3Click);
  connect(Label15, &THoverLabel::OnClick, this, [] { OpenWebPage(WebRoot() + "/aboutus/privacy.htm"); });
  for (QLineEdit* edit : {ed_firname, ed_lastname, ed_city, ed_code})
    OnEnterKey(edit, [this] { focusNextChild(); });
}

void Tfrm_reg::MakeSettingsPage() {
  pnl4 = MakePage(QStringLiteral("pnl4"), "regist.gif", QStringLiteral("Label26"), Label26,
                  QStringLiteral("TransparentButton2"), TransparentButton2);
  mygroup1 = new QGroupBox(QStringLiteral("Connection Speed"), pnl4);
  mygroup1->setObjectName(QStringLiteral("mygroup1"));
  mygroup1->setGeometry(20, 36, 290, 96);
  mygroup1->setStyleSheet(QStringLiteral(
      "QGroupBox { color: #ffffff; border: 1px solid #6c7c9c; margin-top: 8px; font-size: 8pt; }"
      "QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }"));
  Rb_Dial = MakeRadio(mygroup1, QStringLiteral("Rb_Dial"), "Dial-up", {14, 18, 120, 18});
  rb_isdn = MakeRadio(mygroup1, QStringLiteral("rb_isdn"), "ISDN", {14, 44, 120, 18});
  Rb_cm = MakeRadio(mygroup1, QStringLiteral("Rb_cm"), "Cable Modem", {14, 70, 120, 18});
  rb_t1 = MakeRadio(mygroup1, QStringLiteral("rb_t1"), "T1/T3", {150, 18, 120, 18});
  rb_adsl = MakeRadio(mygroup1, QStringLiteral("rb_adsl"), "DSL/ADSL", {150, 44, 120, 18});
  rb_fo = MakeRadio(mygroup1, QStringLiteral("rb_fo"), "Fiber Optic", {150, 70, 120, 18});
  Rb_Dial->setChecked(true);

  cbo_auto = MakeCheckBox(pnl4, QStringLiteral("cbo_auto"),
                          MessageText("I would like Velomira to automatically start when my\r\ncomputer logs in."),
                          {14, 146, 312, 34});
  // The caption's own line break leaves a long first line; a smaller face keeps it whole.
  QFont captionFont = cbo_auto->font();
  captionFont.setPointSizeF(7.5);
  cbo_auto->setFont(captionFont);
  ch_news = MakeCheckBox(pnl4, QStringLiteral("ch_news"),
                         QStringLiteral("Sign me up for the Velomira newsletter."), {14, 188, 312, 18});
  cbo_auto->setChecked(true);
  ch_news->setChecked(true);
  Label14 = MakeLink(pnl4, QStringLiteral("Label14"), "Terms of service.", {20, 222, 150, 20});

  img_back4 = PageButton(pnl4, "img_back4", "regist_back.gif", BackLeft);
  img_finish = PageButton(pnl4, "img_finish", "finish.gif", NextLeft);
  img_cancel4 = PageButton(pnl4, "img_cancel4", "regist_cancel.gif", CancelLeft);
  connect(img_back4, &THoverImage::OnClick, this, [this] { ShowPage(pnl3); });
  connect(img_finish, &THoverImage::OnClick, this, &Tfrm_reg::img_finishClick);
  connect(img_cancel4, &THoverImage::OnClick, this, &Tfrm_reg::img_cancel4Click);
  connect(Label14, &THoverLabel::OnClick, this, [] { OpenWebPage(WebRoot() + "/aboutus/terms.htm"); });
}

void Tfrm_reg::ShowPage(TPicturePanel* page) {
  for (TPicturePanel* each : {proxy_pnl, pnl1, pnl2, pnl3, pnl4}) each->setVisible(each == page);
}

int Tfrm_reg::CurrentPage() const {
  const TPicturePanel* pages[] = {proxy_pnl, pnl1, pnl2, pnl3, pnl4};
  for (int page = 0; page < 5; ++page) {
    if (pages[page]->isVisibleTo(this)) return page;
  }
  return -1;
}

}  // namespace velomira
